#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "catalogue/FileInfo.h"
#include "driver/DeviceNames.h"
#include "driver/Driver.h"
#include "driver/DriverProtocol.h"
#include "driver/ImageInfo.h"
#include "driver/Volume.h"
#include "report/ErrorReport.h"

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

DriverResult DriverMount(const MountRequest& request, Reporter& reporter) {
    const char letter = request.letter;
    const std::string dosName = DosDeviceName(letter);
    // Anything else would bind a DOS name that is no drive.
    if (!IsDriveLetter(letter)) {
        ReportDriveError(reporter, dosName, ReportContext::General, ERROR_INVALID_DRIVE);
        return DriverResult::Failed;
    }

    if (IsLetterInUse(letter)) {
        ReportDriveError(reporter, dosName, ReportContext::General, ERROR_BUSY);
        return DriverResult::Failed;
    }

    const std::string deviceName = DeviceObjectName(request.family, request.deviceNumber);
    if (!DefineDosDeviceA(DDD_RAW_TARGET_PATH, dosName.c_str(), deviceName.c_str())) {
        ReportDriveError(reporter, dosName, ReportContext::General, GetLastError());
        return DriverResult::Failed;
    }

    win32::FileHandle volume = OpenVolume(letter, GENERIC_READ | GENERIC_WRITE);
    if (!volume) {
        ReportDriveError(reporter, dosName, ReportContext::CreateDevice, GetLastError());
        RemoveDosDevice(dosName);
        return DriverResult::Failed;
    }

    const std::vector<uint8_t> attach = BuildAttachRequest(request.kernelPath, letter, request.readOnly);
    if (!SendVolumeRequest(volume.Get(), MV_IOCTL_ATTACH_IMAGE, attach.data(), static_cast<DWORD>(attach.size()))) {
        const DWORD error = GetLastError();
        ReportDriveError(reporter, DriverSubject(), ReportContext::AttachImage, error);
        RemoveDosDevice(dosName);
        return DriverResult::Failed;
    }
    volume.Reset();

    SHChangeNotify(SHCNE_DRIVEADD, SHCNF_PATHA, ShellDrivePath(letter).c_str(), nullptr);
    return DriverResult::Done;
}

}  // namespace morvane
