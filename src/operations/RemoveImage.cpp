#include "operations/RemoveImage.h"

#include <windows.h>

#include "catalogue/CatalogueKey.h"
#include "catalogue/ImagePaths.h"
#include "catalogue/RebuildCatalogue.h"
#include "catalogue/StoreKey.h"
#include "lang/TextFormat.h"
#include "lang/TextIds.h"
#include "operations/UnmountImage.h"
#include "win32/RegKey.h"

namespace morvane {

RemoveResult RemoveImage(ImageTables tables, Reporter& reporter, const std::wstring& remoteName) {
    StoredImage image;
    if (!FindImage(tables.catalogue, remoteName, image)) return kRemoveNoEntry;
    CFileInfo& record = image.record;

    if (record.mounted) {
        // The question names the image by its full path, not by its display name.
        const std::wstring question =
            FormatText(reporter.Text(TextId::UnmountBeforeRemoval),
                       {TextArg(image.imagePath), TextArg(DisplayLetter(record.driveLetter))});
        // Yes detaches a drive: a box that could not be shown is no consent.
        if (reporter.ShowMessage(question, MB_YESNO | MB_ICONEXCLAMATION) != IDYES) return kRemoveDeclined;
        if (!UnmountImage(tables, reporter, image)) return kRemoveKept;
        tables.drives.Set(record.driveLetter, std::wstring());
    }

    tables.catalogue.Remove(CatalogueKey(image.valueName));
    win32::RegKey store;
    if (store.Create(HKEY_CURRENT_USER, kFilesListKey, KEY_READ | KEY_WRITE) != ERROR_SUCCESS) return kRemoveKept;
    // The value the entry was read from, whatever its record's name field
    // says: a damaged record naming another image must not take its value.
    if (store.DeleteValue(image.valueName.c_str()) != ERROR_SUCCESS) return kRemoveKept;
    ForgetImagePath(image.valueName);
    return kRemoveDone;
}

}  // namespace morvane
