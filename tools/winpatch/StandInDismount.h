// Wine passes FSCTL_DISMOUNT_VOLUME on to the volume's driver and then answers
// FALSE with ERROR_BAD_DEV_TYPE (66) whatever the driver said, where Windows
// answers what the driver said. The stand-in virtual-disk driver grants every
// dismount and counts it: when its counter shows that this very request
// arrived, the failure is Wine's own, and the caller gets the success Windows
// would give.
#pragma once

#include <windows.h>

#include "winpatch/ImportPatch.h"

namespace winpatch {

using DeviceIoControlFn = decltype(&DeviceIoControl);

// A dismount through `real` (the system's DeviceIoControl), answered as above.
BOOL StandInDismount(DeviceIoControlFn real, HANDLE device, LPVOID input, DWORD inputLength, LPVOID output,
                     DWORD outputLength, LPDWORD returned, LPOVERLAPPED overlapped);

// While it lives, `module`'s dismounts of stand-in volumes answer as on
// Windows; every other request passes unchanged. One at a time.
class WindowsDismount {
public:
    explicit WindowsDismount(HMODULE module);
    // False when the module does not import DeviceIoControl.
    bool IsApplied() const { return patch_.IsApplied(); }

private:
    ImportPatch patch_;
};

}  // namespace winpatch
