#include <windows.h>
#include <shlobj.h>

#include <cstring>

#include "catalogue/FileInfo.h"
#include "drive/DeviceNames.h"
#include "drive/Driver.h"
#include "drive/DriverProtocol.h"
#include "drive/ErrorReport.h"
#include "drive/ImageInfo.h"
#include "drive/Volume.h"

namespace morvane {
namespace {

// A volume that exists but refuses the open (a drive only administrators may
// open, a locked volume, Wine's Z:) is in use as much as one that opens:
// binding its letter again would hide that drive. Only a name that is not
// there, or whose device is gone, is free.
bool IsLetterInUse(char letter) {
    if (OpenVolume(letter, GENERIC_READ | GENERIC_WRITE)) return true;
    const DWORD error = GetLastError();
    return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
}

}  // namespace

DriverResult DriverMount(uint32_t deviceNumber, const uint8_t* request, int family, Reporter& reporter) {
    const char letter = static_cast<char>(request[offsetof(FileDiskImageInfo, driveLetter)]);
    const std::string dosName = DosDeviceName(letter);
    // Anything else would bind a DOS name that is no drive.
    if (!IsDriveLetter(letter)) {
        SetLastError(ERROR_INVALID_DRIVE);
        ReportDriveError(reporter, dosName, ReportContext::General);
        return DriverResult::Failed;
    }

    if (IsLetterInUse(letter)) {
        SetLastError(ERROR_BUSY);
        ReportDriveError(reporter, dosName, ReportContext::General);
        return DriverResult::Failed;
    }

    const std::string deviceName = DeviceObjectName(family, deviceNumber);
    if (!DefineDosDeviceA(DDD_RAW_TARGET_PATH, dosName.c_str(), deviceName.c_str())) {
        ReportDriveError(reporter, dosName, ReportContext::General);
        return DriverResult::Failed;
    }

    win32::FileHandle volume = OpenVolume(letter, GENERIC_READ | GENERIC_WRITE);
    if (!volume) {
        ReportDriveError(reporter, dosName, ReportContext::CreateDevice);
        RemoveDosDevice(dosName);
        return DriverResult::Failed;
    }

    uint16_t nameLength = 0;
    std::memcpy(&nameLength, request + offsetof(FileDiskImageInfo, nameLength), sizeof nameLength);
    if (!SendVolumeRequest(volume.Get(), MV_IOCTL_ATTACH_IMAGE, request,
                           static_cast<DWORD>(AttachInputLength(nameLength)))) {
        ReportDriveError(reporter, DriverSubject(), ReportContext::AttachImage);
        RemoveDosDevice(dosName);
        return DriverResult::Failed;
    }
    volume.Reset();

    SHChangeNotify(SHCNE_DRIVEADD, SHCNF_PATHA, ShellDrivePath(letter).c_str(), nullptr);
    return DriverResult::Done;
}

}  // namespace morvane
