#include "catalogue/SaveFileInfo.h"

#include "catalogue/CatalogueKey.h"
#include "catalogue/ImagePaths.h"
#include "catalogue/StoreKey.h"
#include "catalogue/ValueName.h"
#include "win32/RegKey.h"

namespace morvane {
namespace {

bool StoreRecord(ImageTables tables, const StoredImage& image, bool create) {
    const std::wstring& valueName = image.valueName;
    if (!IsAddressableValueName(valueName)) return false;
    win32::RegKey key;
    if (key.Create(HKEY_CURRENT_USER, kFilesListKey, KEY_READ | KEY_WRITE) != ERROR_SUCCESS) return false;

    const CFileInfo& record = image.record;
    if (record.mounted) tables.drives.Set(record.driveLetter, valueName);
    // A record read from the store goes back to its own value only: one that
    // was deleted meanwhile, by the user in another process, stays deleted.
    const bool exists = key.QueryValue(valueName.c_str(), nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    const bool written = (create || exists) && key.SetValue(valueName.c_str(), REG_BINARY, &record,
                                                            static_cast<DWORD>(sizeof record)) == ERROR_SUCCESS;
    key.Close();

    tables.catalogue.Set(CatalogueKey(valueName), image);
    return written;
}

}  // namespace

bool SaveFileInfo(ImageTables tables, const StoredImage& image) { return StoreRecord(tables, image, false); }

bool SaveNewFileInfo(ImageTables tables, const StoredImage& image) {
    return StoreRecord(tables, image, true) && KeepImagePath(image);
}

}  // namespace morvane
