#include "plugin/PanelColumns.h"

namespace morvane {

EntryColumns ColumnsOf(const StoredImage& image, const DriveTable& drives) {
    const CFileInfo& record = image.record;
    EntryColumns columns;
    // Mounted by the driver's word at the refresh, not by the stored mark.
    if (record.mounted && IsDriveLetter(record.driveLetter) && drives.Name(record.driveLetter) == image.valueName)
        columns.mountedOn = record.driveLetter;
    const ShownMode shown = ShownModeOf(record.mountMode);
    columns.mode = shown.family == kFamilyCdDvd ? "CD/DVD" : shown.family == kFamilyFloppy ? "Floppy" : "Hard disk";
    columns.readOnly = shown.readOnly;
    columns.restoreAtLogon = record.restoreAtLogon != 0;
    columns.imagePath = image.imagePath;
    return columns;
}

}  // namespace morvane
