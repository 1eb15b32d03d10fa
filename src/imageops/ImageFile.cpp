#include "imageops/ImageFile.h"

#include <windows.h>

#include <cstring>

#include "win32/AnsiText.h"
#include "win32/UniqueHandle.h"

namespace morvane {
namespace {

// The last component of the path as written, before the system normalises it.
std::string LastComponent(const std::string& path) {
    std::string name = win32::AfterLastBackslash(path);
    // A slash is never a trail byte of a double-byte character.
    const size_t slash = name.rfind('/');
    return slash == std::string::npos ? name : name.substr(slash + 1);
}

// Device names come back from the system as \\.\NAME, whatever folder they
// were written in.
bool NamesADevice(const std::string& path) {
    char full[MAX_PATH];
    const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    return length == 0 || length >= MAX_PATH || std::strncmp(full, "\\\\.\\", 4) == 0;
}

}  // namespace

bool ReadImageFileEntry(const std::string& localPath, FindData& out) {
    static_assert(sizeof(WIN32_FIND_DATAA) == sizeof(FindData), "find data layout");
    if (localPath.find_first_of("*?") != std::string::npos) return false;
    const std::string name = LastComponent(localPath);
    if (name.empty() || name.back() == '.' || name.back() == ' ') return false;
    if (NamesADevice(localPath)) return false;

    WIN32_FIND_DATAA found;
    // Zeroed first so that the alignment gap is stored as zero bytes.
    std::memset(&found, 0, sizeof found);
    {
        const win32::FindHandle search(FindFirstFileA(localPath.c_str(), &found));
        if (!search) return false;
    }
    if (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) return false;
    // What was found must be the file the path names, by its long or its
    // short name.
    if (!win32::AnsiEqualNoCase(found.cFileName, name) && !win32::AnsiEqualNoCase(found.cAlternateFileName, name))
        return false;
    std::memcpy(&out, &found, sizeof found);
    return true;
}

}  // namespace morvane
