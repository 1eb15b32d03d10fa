#include "catalogue/StoreKey.h"
#include "plugin/MorvaneApp.h"
#include "win32/RegKey.h"

namespace morvane {

bool CMorvaneApp::SaveFileInfo(const CFileInfo& record) {
    win32::RegKey key;
    if (key.Create(HKEY_CURRENT_USER, kFilesListKey, KEY_READ | KEY_WRITE) != ERROR_SUCCESS) return false;

    const std::string displayName = DisplayNameOf(record);
    if (record.mounted) SetDriveName(record.driveLetter, displayName);
    const bool written =
        key.SetValue(displayName.c_str(), REG_BINARY, &record, static_cast<DWORD>(sizeof record)) == ERROR_SUCCESS;
    key.Close();

    // The catalogue follows even a failed write; the next refresh brings back
    // what the registry holds.
    m_catalogue.Set(CatalogueKey(displayName), record);
    return written;
}

}  // namespace morvane
