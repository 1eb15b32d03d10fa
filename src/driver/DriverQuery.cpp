#include <windows.h>

#include "catalogue/FileInfo.h"
#include "driver/Driver.h"
#include "driver/DriverProtocol.h"
#include "driver/ImageInfo.h"
#include "driver/Volume.h"

namespace morvane {

DriverResult DriverQuery(char letter, uint8_t* answer, size_t* returned) {
    *returned = 0;
    if (!IsDriveLetter(letter)) {
        SetLastError(ERROR_INVALID_DRIVE);
        return DriverResult::Failed;
    }
    const win32::FileHandle volume = OpenVolume(letter, GENERIC_READ);
    if (!volume) return DriverResult::Failed;
    DWORD bytes = 0;
    if (!DeviceIoControl(volume.Get(), MV_IOCTL_QUERY_IMAGE, nullptr, 0, answer, kQueryAnswerSize, &bytes, nullptr))
        return DriverResult::Failed;
    if (bytes < kQueryAnswerMinimum) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return DriverResult::Failed;
    }
    *returned = bytes;
    return DriverResult::Done;
}

}  // namespace morvane
