#include "lang/LanguageFileBytes.h"

#include <windows.h>

#include <vector>

#include "win32/UniqueHandle.h"

namespace morvane {

std::optional<std::string> ReadLanguageFileBytes(const std::wstring& fileName) {
    const DWORD needed = GetFullPathNameW(fileName.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return std::nullopt;
    std::vector<wchar_t> fullPath(needed);
    const DWORD length = GetFullPathNameW(fileName.c_str(), needed, fullPath.data(), nullptr);
    if (length == 0 || length >= needed) return std::nullopt;
    // A device name (COM1, CON...) resolves to \\.\NAME in any folder; opening
    // or reading one may block the file manager for good.
    if (std::wstring_view(fullPath.data(), length).substr(0, 4) == L"\\\\.\\") return std::nullopt;

    const win32::FileHandle file(CreateFileW(fullPath.data(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file || GetFileType(file.Get()) != FILE_TYPE_DISK) return std::nullopt;

    std::string bytes;
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(file.Get(), chunk, sizeof chunk, &read, nullptr) && read > 0) bytes.append(chunk, read);
    return bytes;
}

}  // namespace morvane
