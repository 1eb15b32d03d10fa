#include "plugin/PanelColumns.h"

namespace morvane {

EntryColumns ColumnsOf(const StoredImage& image, const DriveTable& drives) {
    const CFileInfo& record = image.record;
    EntryColumns columns;
    // Mounted by the driver's word at the refresh, not by the stored mark.
    if (record.mounted && IsDriveLetter(record.driveLetter) && drives.Name(record.driveLetter) == image.valueName)
        columns.mountedOn = record.driveLetter;
    switch (FamilyOfMode(record.mountMode)) {
    case kFamilyCdDvd:
        columns.mode = "CD/DVD";
        columns.readOnly = true;
        break;
    case kFamilyFloppy:
        columns.mode = "Floppy";
        columns.readOnly = (record.mountMode & kModeReadOnly) != 0;
        break;
    default:
        columns.mode = "Hard disk";
        columns.readOnly = (record.mountMode & kModeReadOnly) != 0;
        break;
    }
    columns.restoreAtLogon = record.restoreAtLogon != 0;
    columns.imagePath = image.imagePath;
    return columns;
}

}  // namespace morvane
