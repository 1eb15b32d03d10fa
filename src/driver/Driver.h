// The plug-in's whole conversation with the virtual-disk driver. No handle
// outlives a call, so the driver never sees a stale one. A failure is
// reported before anything is cleaned up, so the message names the error of
// the step that failed rather than one of the clean-up.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "report/Reporter.h"

namespace morvane {

// What a request to the driver came to.
enum class DriverResult {
    Done,
    // DriverMount and DriverUnmount have reported it; DriverQuery leaves the
    // cause in the thread's last error.
    Failed,
    // DriverUnmount only: the volume lock was refused because files on the
    // drive are open; nothing was reported or changed.
    LockRefused,
};

// What a mount asks of the driver.
struct MountRequest {
    char letter;
    int family;
    uint32_t deviceNumber;
    // As the driver attaches the image (see RequestsReadOnly).
    bool readOnly;
    // The image in the kernel's name space (see KernelImagePath), in the code page.
    std::string kernelPath;
};

// Binds the drive letter to device `deviceNumber` of `family` and attaches
// the image. Done: the drive serves the image and the shell was told; on
// failure no drive letter is left behind.
DriverResult DriverMount(const MountRequest& request, Reporter& reporter);

// Detaches the image of `letter` and removes the letter. `force` skips lock
// and unlock, and with them LockRefused.
DriverResult DriverUnmount(char letter, bool force, Reporter& reporter);

// Asks the volume of `letter` which image it serves. Done: `answer` (276
// bytes) holds at least 16 bytes, their count in `*returned`. Failed: the
// letter cannot be opened, refused the request, or answered too little.
DriverResult DriverQuery(char letter, uint8_t* answer, size_t* returned);

}  // namespace morvane
