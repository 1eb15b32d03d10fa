#include <windows.h>

#include "drive/ControlCodes.h"
#include "drive/DeviceNames.h"
#include "drive/Driver.h"
#include "drive/ImageInfo.h"
#include "win32/UniqueHandle.h"

namespace morvane {

int DriverQuery(char letter, uint8_t* answer, size_t* returned) {
    *returned = 0;
    win32::FileHandle volume(CreateFileA(VolumePath(letter).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                         nullptr, OPEN_EXISTING, FILE_FLAG_NO_BUFFERING, nullptr));
    if (!volume) return -1;
    DWORD bytes = 0;
    if (!DeviceIoControl(volume.Get(), MV_IOCTL_QUERY_IMAGE, nullptr, 0, answer, kQueryAnswerSize, &bytes, nullptr))
        return -1;
    if (bytes < kQueryAnswerMinimum) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return -1;
    }
    *returned = bytes;
    return 0;
}

}  // namespace morvane
