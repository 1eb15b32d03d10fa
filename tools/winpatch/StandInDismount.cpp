#include "winpatch/StandInDismount.h"

#include <winioctl.h>

#include <atomic>

#include "standin-driver/StandInControl.h"

namespace winpatch {
namespace {

bool ReadDismounts(DeviceIoControlFn real, HANDLE device, unsigned& count) {
    MvStandInState state{};
    DWORD returned = 0;
    if (!real(device, MV_IOCTL_STANDIN_STATE, nullptr, 0, &state, sizeof state, &returned, nullptr) ||
        returned != sizeof state || state.size != sizeof state)
        return false;
    count = state.dismountRequests;
    return true;
}

std::atomic<DeviceIoControlFn> gSystemDeviceIoControl{nullptr};

BOOL WINAPI DeviceIoControlAsOnWindows(HANDLE device, DWORD code, LPVOID input, DWORD inputLength, LPVOID output,
                                       DWORD outputLength, LPDWORD returned, LPOVERLAPPED overlapped) {
    const DeviceIoControlFn real = gSystemDeviceIoControl.load();
    if (code == FSCTL_DISMOUNT_VOLUME)
        return StandInDismount(real, device, input, inputLength, output, outputLength, returned, overlapped);
    return real(device, code, input, inputLength, output, outputLength, returned, overlapped);
}

}  // namespace

BOOL StandInDismount(DeviceIoControlFn real, HANDLE device, LPVOID input, DWORD inputLength, LPVOID output,
                     DWORD outputLength, LPDWORD returned, LPOVERLAPPED overlapped) {
    const DWORD saved = GetLastError();
    unsigned before = 0;
    const bool standIn = ReadDismounts(real, device, before);
    SetLastError(saved);
    const BOOL ok = real(device, FSCTL_DISMOUNT_VOLUME, input, inputLength, output, outputLength, returned, overlapped);
    if (ok || !standIn) return ok;
    const DWORD error = GetLastError();
    unsigned after = 0;
    if (error == ERROR_BAD_DEV_TYPE && ReadDismounts(real, device, after) && after == before + 1) {
        if (returned) *returned = 0;
        SetLastError(ERROR_SUCCESS);
        return TRUE;
    }
    SetLastError(error);
    return FALSE;
}

WindowsDismount::WindowsDismount(HMODULE module)
    : patch_(module, "kernel32.dll", "DeviceIoControl", reinterpret_cast<const void*>(DeviceIoControlAsOnWindows)) {
    gSystemDeviceIoControl = reinterpret_cast<DeviceIoControlFn>(const_cast<void*>(patch_.Original()));
}

}  // namespace winpatch
