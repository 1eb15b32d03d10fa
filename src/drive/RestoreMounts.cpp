// The log-on restore: nobody watches this process, so every report goes to the
// log, and the store is corrected so that it never claims a mount that is gone.
#include "plugin/MorvaneApp.h"

namespace morvane {

bool CMorvaneApp::RestoreMounts() {
    m_bLogOnly = true;

    // The catalogue is rebuilt from nothing, so each mount picks its device
    // number only among the records restored before it: one family gets 0,
    // 1, 2... in store order.
    return RebuildFromStore([this](StoredImage& image) {
        CFileInfo& record = image.record;
        if (!record.mounted) return;
        if (record.restoreAtLogon && MountImage(record, image.valueName)) {
            SetDriveName(record.driveLetter, image.valueName);
        } else {
            record.mounted = 0;
            SaveFileInfo(record, image.valueName);
        }
    });
}

}  // namespace morvane
