#include <windows.h>

#include "catalogue/SaveFileInfo.h"
#include "drive/DriveMessages.h"
#include "drive/Driver.h"
#include "drive/MountImage.h"

namespace morvane {

bool UnmountImage(ImageTables tables, Reporter& reporter, CFileInfo& record, const std::string& valueName) {
    int result = DriverUnmount(record.driveLetter, false, reporter);
    if (result == -2) {
        // Files on the drive are open. A forced dismount can lose data, so No
        // is the default answer, and only an explicit Yes goes ahead: a box
        // that could not be shown is no consent.
        const std::string question =
            ForcedDismountQuestion(record.mountMode, [&reporter](TextId id) { return reporter.Text(id); });
        if (reporter.Ask(question, MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) != IDYES) return false;
        result = DriverUnmount(record.driveLetter, true, reporter);
    }
    if (result != 0) return false;

    record.mounted = 0;
    tables.drives.Set(record.driveLetter, std::string());
    SaveFileInfo(tables, record, valueName);
    return true;
}

}  // namespace morvane
