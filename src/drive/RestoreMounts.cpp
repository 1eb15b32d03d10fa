// The log-on restore: nobody watches this process, so every report goes to the
// log, and the store is corrected so that it never claims a mount that is gone.
#include "catalogue/StoreEnumerator.h"
#include "plugin/MorvaneApp.h"

namespace morvane {

bool CMorvaneApp::RestoreMounts() {
    m_bLogOnly = true;

    StoreEnumerator store;
    if (store.Open() != ERROR_SUCCESS) return false;

    // Emptied first, so that each mount picks its device number only among the
    // records restored before it: one family gets 0, 1, 2... in store order.
    m_catalogue.Clear();
    ClearDriveNames();

    std::string valueName;
    CFileInfo record;
    while (store.Next(valueName, record)) {
        if (record.mounted) {
            if (record.restoreAtLogon && MountImage(record)) {
                SetDriveName(record.driveLetter, valueName);
            } else {
                record.mounted = 0;
                SaveFileInfo(record);
            }
        }
        m_catalogue.Set(CatalogueKey(valueName), record);
    }
    EnsureAutorunEntry();
    return true;
}

}  // namespace morvane
