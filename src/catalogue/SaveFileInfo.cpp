#include "catalogue/StoreKey.h"
#include "catalogue/ValueName.h"
#include "plugin/MorvaneApp.h"
#include "win32/RegKey.h"

namespace morvane {

bool CMorvaneApp::SaveFileInfo(const CFileInfo& record, const std::string& valueName) {
    return StoreRecord(record, valueName, false);
}

bool CMorvaneApp::SaveNewFileInfo(const CFileInfo& record) { return StoreRecord(record, DisplayNameOf(record), true); }

bool CMorvaneApp::StoreRecord(const CFileInfo& record, const std::string& valueName, bool create) {
    if (!IsAddressableValueName(valueName)) return false;
    win32::RegKey key;
    if (key.Create(HKEY_CURRENT_USER, kFilesListKey, KEY_READ | KEY_WRITE) != ERROR_SUCCESS) return false;

    if (record.mounted) SetDriveName(record.driveLetter, valueName);
    // A record read from the store goes back to its own value only: one that
    // was deleted meanwhile, by the user in another process, stays deleted.
    const bool exists = key.QueryValue(valueName.c_str(), nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    const bool written =
        (create || exists) &&
        key.SetValue(valueName.c_str(), REG_BINARY, &record, static_cast<DWORD>(sizeof record)) == ERROR_SUCCESS;
    key.Close();

    // The catalogue follows even a failed write; the next refresh brings back
    // what the registry holds.
    m_catalogue.Set(CatalogueKey(valueName), StoredImage{valueName, record});
    return written;
}

}  // namespace morvane
