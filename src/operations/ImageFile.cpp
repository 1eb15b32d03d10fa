#include "operations/ImageFile.h"

#include <cstring>
#include <optional>
#include <vector>

#include "win32/AnsiText.h"
#include "win32/UniqueHandle.h"

namespace morvane {
namespace {

// The last component of the path as written, before the system normalises it.
std::wstring LastComponent(const std::wstring& path) {
    const size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? path : path.substr(separator + 1);
}

// The full path the system makes of `path`; empty when it cannot.
std::wstring FullPath(const std::wstring& path) {
    const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return std::wstring();
    std::vector<wchar_t> full(needed);
    const DWORD length = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
    return length == 0 || length >= needed ? std::wstring() : std::wstring(full.data(), length);
}

// A full path as the system's calls take it at any length: past MAX_PATH only
// with the \\?\ prefix, which also stops any further normalising.
std::wstring CallablePath(const std::wstring& fullPath) {
    if (fullPath.size() < MAX_PATH || fullPath.rfind(L"\\\\?\\", 0) == 0) return fullPath;
    if (fullPath.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + fullPath.substr(2);
    return L"\\\\?\\" + fullPath;
}

std::wstring WithoutCallablePrefix(const std::wstring& path) {
    if (path.rfind(L"\\\\?\\UNC\\", 0) == 0) return L"\\\\" + path.substr(8);
    if (path.rfind(L"\\\\?\\", 0) == 0) return path.substr(4);
    return path;
}

bool EqualNoCase(const std::wstring& a, const wchar_t* b) { return win32::WideLowerCase(a) == win32::WideLowerCase(b); }

}  // namespace

bool ReadImageFileEntry(const std::wstring& localPath, WIN32_FIND_DATAW& out) {
    if (localPath.find_first_of(L"*?") != std::wstring::npos) return false;
    const std::wstring name = LastComponent(localPath);
    if (name.empty() || name.back() == L'.' || name.back() == L' ') return false;
    // Device names come back from the system as \\.\NAME, whatever folder
    // they were written in.
    const std::wstring full = FullPath(localPath);
    if (full.empty() || full.rfind(L"\\\\.\\", 0) == 0) return false;

    WIN32_FIND_DATAW found;
    // Zeroed first so that the alignment gap is stored as zero bytes.
    std::memset(&found, 0, sizeof found);
    {
        const win32::FindHandle search(FindFirstFileW(CallablePath(full).c_str(), &found));
        if (!search) return false;
    }
    if (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) return false;
    // What was found must be the file the path names, by its long or its
    // short name.
    if (!EqualNoCase(name, found.cFileName) && !EqualNoCase(name, found.cAlternateFileName)) return false;
    out = found;
    return true;
}

void SetRecordFindData(const WIN32_FIND_DATAW& found, const std::wstring& displayName, FindData& out) {
    out.dwFileAttributes = found.dwFileAttributes;
    std::memcpy(out.ftCreationTime, &found.ftCreationTime, sizeof out.ftCreationTime);
    std::memcpy(out.ftLastAccessTime, &found.ftLastAccessTime, sizeof out.ftLastAccessTime);
    std::memcpy(out.ftLastWriteTime, &found.ftLastWriteTime, sizeof out.ftLastWriteTime);
    out.nFileSizeHigh = found.nFileSizeHigh;
    out.nFileSizeLow = found.nFileSizeLow;
    out.dwReserved0 = found.dwReserved0;
    out.dwReserved1 = found.dwReserved1;
    SetFieldText(out.cAlternateFileName, win32::ShownAnsiText(found.cAlternateFileName, sizeof out.cAlternateFileName));
    SetRecordName(displayName, out);
}

void SetRecordName(const std::wstring& displayName, FindData& out) {
    if (const std::optional<std::string> name = win32::ExactAnsiName(displayName)) {
        SetFieldText(out.cFileName, *name);
    } else if (out.cAlternateFileName[0] != '\0') {
        SetFieldText(out.cFileName, FieldView(out.cAlternateFileName));
    } else {
        SetFieldText(out.cFileName, win32::ShownAnsiText(displayName, sizeof out.cFileName));
    }
}

std::string RecordImagePath(const std::wstring& localPath) {
    if (const std::optional<std::string> path = win32::ExactAnsiName(localPath)) return *path;
    const std::wstring callable = CallablePath(localPath);
    const DWORD needed = GetShortPathNameW(callable.c_str(), nullptr, 0);
    if (needed == 0) return std::string();
    std::vector<wchar_t> shortPath(needed);
    const DWORD length = GetShortPathNameW(callable.c_str(), shortPath.data(), needed);
    if (length == 0 || length >= needed) return std::string();
    const std::optional<std::string> path =
        win32::ExactAnsiName(WithoutCallablePrefix(std::wstring(shortPath.data(), length)));
    return path ? *path : std::string();
}

}  // namespace morvane
