// Registering an image file: a record that points at the file, with defaults
// by extension and size. The file itself is only looked at, never touched.
#include <windows.h>

#include <cstring>

#include "imageops/ImageClass.h"
#include "plugin/MorvaneApp.h"
#include "win32/AnsiText.h"
#include "win32/UniqueHandle.h"

namespace morvane {
namespace {

// The file's directory entry as the system's file search reports it.
bool ReadDirectoryEntry(const std::string& localPath, FindData& out) {
    static_assert(sizeof(WIN32_FIND_DATAA) == sizeof(FindData), "find data layout");
    WIN32_FIND_DATAA found;
    // Zeroed first so that the alignment gap is stored as zero bytes.
    std::memset(&found, 0, sizeof found);
    win32::FindHandle search(FindFirstFileA(localPath.c_str(), &found));
    if (!search) return false;
    std::memcpy(&out, &found, sizeof found);
    return true;
}

}  // namespace

bool CMorvaneApp::AddImage(const std::string& localPath, const std::string& remoteName) {
    CFileInfo record = EmptyFileInfo();
    if (!ReadDirectoryEntry(localPath, record.findData)) return false;

    const std::string displayName = win32::AfterLastBackslash(remoteName);
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

    if (RemoveImage(remoteName) == kRemoveKept) return false;
    return SaveFileInfo(record);
}

}  // namespace morvane
