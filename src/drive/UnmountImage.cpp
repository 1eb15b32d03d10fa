// Unmounting a catalogue record, by force when the user agrees.
#include <windows.h>

#include "drive/DriveMessages.h"
#include "drive/Driver.h"
#include "plugin/MorvaneApp.h"

namespace morvane {

bool CMorvaneApp::UnmountImage(CFileInfo& record, const std::string& valueName) {
    int result = DriverUnmount(record.driveLetter, false);
    if (result == -2) {
        // Files on the drive are open. A forced dismount can lose data, so No
        // is the default answer, and only an explicit Yes goes ahead: a box
        // that could not be shown is no consent.
        const std::string question =
            ForcedDismountQuestion(record.mountMode, [this](uint32_t id) { return LangText(id); });
        if (ShowMessage(question, MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) != IDYES) return false;
        result = DriverUnmount(record.driveLetter, true);
    }
    if (result != 0) return false;

    record.mounted = 0;
    SetDriveName(record.driveLetter, std::string());
    SaveFileInfo(record, valueName);
    return true;
}

}  // namespace morvane
