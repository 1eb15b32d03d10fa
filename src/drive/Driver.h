// The plug-in's whole conversation with the virtual-disk driver. No handle
// outlives a call, so the driver never sees a stale one. A failure is
// reported before anything is cleaned up, so the message names the error of
// the step that failed rather than one of the clean-up.
#pragma once

#include <cstddef>
#include <cstdint>

#include "drive/Reporter.h"

namespace morvane {

// Binds the request's drive letter to device `deviceNumber` of `family` and
// attaches the image named in `request` (a FileDiskImageInfo of
// AttachInputLength(nameLength) bytes). 0: the drive serves the image and the
// shell was told; -1: failed, reported, no drive letter left behind.
int DriverMount(uint32_t deviceNumber, const uint8_t* request, int family, Reporter& reporter);

// Detaches the image of `letter` and removes the letter. 0: done; -1: failed
// and reported; -2: the volume lock was refused (files are open), nothing
// reported or changed. `force` skips lock and unlock.
int DriverUnmount(char letter, bool force, Reporter& reporter);

// Asks the volume of `letter` which image it serves. 0: `answer` (276 bytes)
// holds at least 16 bytes, their count in `*returned`; -1: the letter cannot
// be opened, refused the request, or answered too little. Reports nothing;
// the thread's last error tells the cause.
int DriverQuery(char letter, uint8_t* answer, size_t* returned);

}  // namespace morvane
