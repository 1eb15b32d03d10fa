#include "operations/RenameImage.h"

#include "catalogue/CatalogueKey.h"
#include "catalogue/EntryName.h"
#include "catalogue/ImagePaths.h"
#include "catalogue/RebuildCatalogue.h"
#include "catalogue/SaveFileInfo.h"
#include "catalogue/StoreKey.h"
#include "catalogue/ValueName.h"
#include "operations/ImageFile.h"
#include "operations/RemoveImage.h"
#include "win32/RegKey.h"

namespace morvane {
namespace {

// The old value and its kept path go; false when the value stays.
bool DeleteOldValue(const std::wstring& valueName) {
    win32::RegKey store;
    if (store.Open(HKEY_CURRENT_USER, kFilesListKey, KEY_WRITE) != ERROR_SUCCESS) return false;
    if (store.DeleteValue(valueName.c_str()) != ERROR_SUCCESS) return false;
    ForgetImagePath(valueName);
    return true;
}

}  // namespace

RenameResult RenameImage(ImageTables tables, Reporter& reporter, const std::wstring& oldName,
                         const std::wstring& newName, bool overwrite) {
    StoredImage old;
    if (!FindImage(tables.catalogue, oldName, old)) return RenameResult::NotFound;
    const std::optional<std::wstring> entryName = EntryNameOf(newName);
    if (!entryName) return RenameResult::NotFound;
    if (!IsAddressableValueName(*entryName)) return RenameResult::Failed;

    StoredImage renamed = old;
    renamed.valueName = *entryName;
    SetRecordName(renamed.valueName, renamed.record.findData);
    const std::string oldKey = CatalogueKey(old.valueName);
    const bool sameEntry = CatalogueKey(renamed.valueName) == oldKey;
    if (sameEntry && renamed.valueName == old.valueName) return RenameResult::Done;

    if (!sameEntry) {
        StoredImage other;
        if (FindImage(tables.catalogue, newName, other)) {
            if (!overwrite) return RenameResult::Exists;
            if (RemoveImage(tables, reporter, newName) != kRemoveDone) return RenameResult::Failed;
        }
        // The new value first: a failure leaves the old entry as it was.
        if (!SaveNewFileInfo(tables, renamed)) return RenameResult::Failed;
        DeleteOldValue(old.valueName);
    } else {
        // The registry keeps a value name's first case: only a new value
        // takes the new one. Should writing it fail, the old one comes back.
        if (!DeleteOldValue(old.valueName)) return RenameResult::Failed;
        if (!SaveNewFileInfo(tables, renamed)) {
            SaveNewFileInfo(tables, old);
            return RenameResult::Failed;
        }
    }
    if (!sameEntry) tables.catalogue.Remove(oldKey);
    const CFileInfo& record = renamed.record;
    if (record.mounted && tables.drives.Name(record.driveLetter) == old.valueName)
        tables.drives.Set(record.driveLetter, renamed.valueName);
    return RenameResult::Done;
}

}  // namespace morvane
