#include <windows.h>
#include <shlobj.h>
#include <winioctl.h>

#include "catalogue/FileInfo.h"
#include "drive/ControlCodes.h"
#include "drive/DeviceNames.h"
#include "drive/Driver.h"
#include "drive/Volume.h"
#include "plugin/MorvaneApp.h"

namespace morvane {

// The image is detached before the file system is dismounted; the unlock,
// when there was a lock, follows the dismount on the same handle. Nothing is
// rolled back: a failure after the detach leaves the letter defined but empty.
int DriverUnmount(char letter, bool force) {
    CMorvaneApp& app = App();
    const std::string dosName = DosDeviceName(letter);
    if (!IsDriveLetter(letter)) {
        SetLastError(ERROR_INVALID_DRIVE);
        app.ReportDriveError(dosName, ReportContext::General);
        return -1;
    }

    win32::FileHandle volume = OpenVolume(letter, GENERIC_READ | GENERIC_WRITE);
    if (!volume) {
        app.ReportDriveError(dosName, ReportContext::General);
        return -1;
    }
    // A refused lock means open files: the caller decides, nothing is shown.
    if (!force && !SendVolumeRequest(volume.Get(), FSCTL_LOCK_VOLUME)) return -2;
    if (!SendVolumeRequest(volume.Get(), MV_IOCTL_DETACH_IMAGE)) {
        app.ReportDriveError("MV_FileDisk:", ReportContext::General);
        return -1;
    }
    if (!SendVolumeRequest(volume.Get(), FSCTL_DISMOUNT_VOLUME)) {
        app.ReportDriveError(dosName, ReportContext::General);
        return -1;
    }
    if (!force && !SendVolumeRequest(volume.Get(), FSCTL_UNLOCK_VOLUME)) {
        app.ReportDriveError(dosName, ReportContext::General);
        return -1;
    }
    volume.Reset();

    if (!RemoveDosDevice(dosName)) {
        app.ReportDriveError(dosName, ReportContext::General);
        return -1;
    }
    SHChangeNotify(SHCNE_DRIVEREMOVED, SHCNF_PATHA, ShellDrivePath(letter).c_str(), nullptr);
    return 0;
}

}  // namespace morvane
