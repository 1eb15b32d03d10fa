#include "operations/RestoreMounts.h"

#include "catalogue/RebuildCatalogue.h"
#include "catalogue/SaveFileInfo.h"
#include "logon/AutorunEntry.h"
#include "operations/MountImage.h"

namespace morvane {

bool RestoreMounts(ImageTables tables, Reporter& reporter) {
    // Device numbers are handed out afresh, in store order, since no drive of
    // the last session exists any more. A record whose drive did not come
    // back is corrected, so that the file manager does not show it mounted.
    const bool read = RebuildCatalogue(tables, [&](StoredImage& image) {
        CFileInfo& record = image.record;
        if (!record.mounted) return;
        if (record.restoreAtLogon && MountImage(tables, reporter, image)) {
            tables.drives.Set(record.driveLetter, image.valueName);
        } else {
            record.mounted = 0;
            SaveFileInfo(tables, image);
        }
    });
    if (read) EnsureAutorunEntry();
    return read;
}

}  // namespace morvane
