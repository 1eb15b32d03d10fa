// The stand-in virtual-disk driver (mvfiledisk.sys, built beside the test
// program) as the tests use it: installed into the Wine prefix as a kernel
// service, started and stopped, and its devices' state read through its
// test-only requests. The driver and every drive letter bound to it live in
// the wineserver, which the suite keeps running.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "catalogue/FileInfo.h"
#include "driver/Driver.h"
#include "standin-driver/StandInControl.h"

namespace morvane::test {

constexpr char kStandInServiceName[] = "MVFileDisk";

// `request` on device `number` of `family`.
inline MountRequest OnDevice(MountRequest request, int family, uint32_t number) {
    request.family = family;
    request.deviceNumber = number;
    return request;
}

// Installs the driver on first use (copy to system32\drivers, a kernel
// service started on demand) and starts it. True when it runs, also when it
// ran already; otherwise false with the reason in *why (may be null).
bool EnsureStandInDriverRunning(std::string* why);

// Stops the driver: its device objects and their object directory go away.
// True when it no longer runs, also when it never ran.
bool StopStandInDriver(std::string* why);

// A path that opens the device object (DeviceObjectName) without a drive
// letter.
std::string StandInDevicePath(int family, uint32_t number);

// The device's state through its test-only request. The handle may be any
// handle of the device, a volume handle \\.\X: included. These calls go to
// the system directly, never through a DriverRequestRecorder. False when the
// device cannot be opened or is not the stand-in's.
bool ReadStandInState(HANDLE device, MvStandInState* state);
bool ReadStandInState(int family, uint32_t number, MvStandInState* state);

// Forgets the device's attachment, answer limit and counters.
bool ResetStandInDevice(int family, uint32_t number);
// Later query answers of the device return at most `bytes` (0: no limit).
bool LimitStandInAnswer(int family, uint32_t number, uint32_t bytes);

// Removes every definition of `letter` that binds it to one of the stand-in's
// devices; definitions of other drives stay.
void RemoveStandInDriveLetter(char letter);

}  // namespace morvane::test
