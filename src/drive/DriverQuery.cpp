#include <windows.h>

#include "catalogue/FileInfo.h"
#include "drive/ControlCodes.h"
#include "drive/Driver.h"
#include "drive/ImageInfo.h"
#include "drive/Volume.h"

namespace morvane {

int DriverQuery(char letter, uint8_t* answer, size_t* returned) {
    *returned = 0;
    if (!IsDriveLetter(letter)) {
        SetLastError(ERROR_INVALID_DRIVE);
        return -1;
    }
    const win32::FileHandle volume = OpenVolume(letter, GENERIC_READ);
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
