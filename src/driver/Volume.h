// A drive letter's volume as every driver request opens and addresses it.
#pragma once

#include <windows.h>

#include <string>

#include "driver/DeviceNames.h"
#include "win32/UniqueHandle.h"

namespace morvane {

// \\.\X: with both share modes, no buffering; GENERIC_READ for the query,
// GENERIC_READ | GENERIC_WRITE for mount and unmount.
inline win32::FileHandle OpenVolume(char letter, DWORD access) {
    return win32::FileHandle(CreateFileA(VolumePath(letter).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                         nullptr, OPEN_EXISTING, FILE_FLAG_NO_BUFFERING, nullptr));
}

// A synchronous request without output.
inline bool SendVolumeRequest(HANDLE volume, DWORD code, const void* input = nullptr, DWORD inputLength = 0) {
    DWORD returned = 0;
    return DeviceIoControl(volume, code, const_cast<void*>(input), inputLength, nullptr, 0, &returned, nullptr) !=
           FALSE;
}

// Removes the latest definition of a DOS device name such as "X:".
inline bool RemoveDosDevice(const std::string& dosName) {
    return DefineDosDeviceA(DDD_REMOVE_DEFINITION, dosName.c_str(), nullptr) != FALSE;
}

}  // namespace morvane
