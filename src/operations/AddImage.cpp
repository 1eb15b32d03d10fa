#include "operations/AddImage.h"

#include "catalogue/EntryName.h"
#include "catalogue/SaveFileInfo.h"
#include "catalogue/ValueName.h"
#include "operations/ImageClass.h"
#include "operations/ImageFile.h"
#include "operations/RemoveImage.h"

namespace morvane {

AddResult AddImage(ImageTables tables, Reporter& reporter, const std::wstring& localPath,
                   const std::wstring& remoteName) {
    WIN32_FIND_DATAW found;
    if (!ReadImageFileEntry(localPath, found)) return AddResult::NoImageFile;

    const std::optional<std::wstring> entryName = EntryNameOf(remoteName);
    // An empty name would become the store key's default value, a longer one
    // could not be listed: refuse both before anything is removed.
    if (!entryName) return AddResult::BelowTheRoot;
    if (!IsAddressableValueName(*entryName)) return AddResult::NameRefused;

    StoredImage image{*entryName, EmptyFileInfo(), localPath};
    CFileInfo& record = image.record;
    SetRecordFindData(found, image.valueName, record.findData);
    const ImageDefaults defaults =
        ClassifyImage(image.valueName, record.findData.nFileSizeHigh, record.findData.nFileSizeLow);
    record.driveLetter = defaults.driveLetter;
    record.deviceNumber = 0;
    record.mountMode = defaults.mountMode;
    record.mounted = 0;
    record.restoreAtLogon = 0;
    // Never a path cut to fit: the code page's full spelling, the short form's,
    // or none (see RecordImagePath).
    SetFieldText(record.imagePath, RecordImagePath(localPath));

    switch (RemoveImage(tables, reporter, remoteName)) {
    case kRemoveDeclined:
        return AddResult::Declined;
    case kRemoveKept:
        return AddResult::NotStored;
    default:
        break;
    }
    return SaveNewFileInfo(tables, image) ? AddResult::Added : AddResult::NotStored;
}

}  // namespace morvane
