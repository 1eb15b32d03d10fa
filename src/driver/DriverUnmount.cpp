#include <windows.h>
#include <shlobj.h>
#include <winioctl.h>

#include "catalogue/FileInfo.h"
#include "driver/DeviceNames.h"
#include "driver/Driver.h"
#include "driver/DriverProtocol.h"
#include "driver/Volume.h"
#include "report/ErrorReport.h"

namespace morvane {

// Detaching first means nothing can reach the image through the volume any
// more once the file system lets go of it; the lock is released on the
// handle that took it. A failure half-way is left as it is: trying to attach
// the image again could fail just the same, and an empty letter harms less.
DriverResult DriverUnmount(char letter, bool force, Reporter& reporter) {
    const std::string dosName = DosDeviceName(letter);
    if (!IsDriveLetter(letter)) {
        ReportDriveError(reporter, dosName, ReportContext::General, ERROR_INVALID_DRIVE);
        return DriverResult::Failed;
    }

    win32::FileHandle volume = OpenVolume(letter, GENERIC_READ | GENERIC_WRITE);
    if (!volume) {
        ReportDriveError(reporter, dosName, ReportContext::General, GetLastError());
        return DriverResult::Failed;
    }
    // A refused lock means open files: the caller decides, nothing is shown.
    if (!force && !SendVolumeRequest(volume.Get(), FSCTL_LOCK_VOLUME)) return DriverResult::LockRefused;
    if (!SendVolumeRequest(volume.Get(), MV_IOCTL_DETACH_IMAGE)) {
        const DWORD error = GetLastError();
        ReportDriveError(reporter, DriverSubject(), ReportContext::General, error);
        return DriverResult::Failed;
    }
    if (!SendVolumeRequest(volume.Get(), FSCTL_DISMOUNT_VOLUME)) {
        ReportDriveError(reporter, dosName, ReportContext::General, GetLastError());
        return DriverResult::Failed;
    }
    if (!force && !SendVolumeRequest(volume.Get(), FSCTL_UNLOCK_VOLUME)) {
        ReportDriveError(reporter, dosName, ReportContext::General, GetLastError());
        return DriverResult::Failed;
    }
    volume.Reset();

    if (!RemoveDosDevice(dosName)) {
        ReportDriveError(reporter, dosName, ReportContext::General, GetLastError());
        return DriverResult::Failed;
    }
    SHChangeNotify(SHCNE_DRIVEREMOVED, SHCNF_PATHA, ShellDrivePath(letter).c_str(), nullptr);
    return DriverResult::Done;
}

}  // namespace morvane
