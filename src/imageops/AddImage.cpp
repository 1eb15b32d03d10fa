#include "imageops/AddImage.h"

#include "catalogue/EntryName.h"
#include "catalogue/SaveFileInfo.h"
#include "imageops/ImageClass.h"
#include "imageops/ImageFile.h"
#include "imageops/RemoveImage.h"

namespace morvane {

bool AddImage(ImageTables tables, Reporter& reporter, const std::string& localPath, const std::string& remoteName) {
    CFileInfo record = EmptyFileInfo();
    if (!ReadImageFileEntry(localPath, record.findData)) return false;

    const std::optional<std::string> entryName = EntryNameOf(remoteName);
    if (!entryName) return false;
    const std::string& displayName = *entryName;
    const ImageDefaults defaults =
        ClassifyImage(displayName, record.findData.nFileSizeHigh, record.findData.nFileSizeLow);
    record.driveLetter = defaults.driveLetter;
    record.deviceNumber = 0;
    record.mountMode = defaults.mountMode;
    record.mounted = 0;
    record.restoreAtLogon = 0;

    // A name or path cut to fit its field would name another file, and an
    // empty name would become the store key's default value: refuse both
    // before anything is removed.
    if (displayName.empty()) return false;
    if (!SetFieldText(record.imagePath, localPath)) return false;
    if (!SetFieldText(record.findData.cFileName, displayName)) return false;

    if (RemoveImage(tables, reporter, remoteName) == kRemoveKept) return false;
    return SaveNewFileInfo(tables, record);
}

}  // namespace morvane
