#include "lang/LanguageFileBytes.h"

#include <windows.h>

#include <cstring>

#include "win32/UniqueHandle.h"

namespace morvane {

std::optional<std::string> ReadLanguageFileBytes(const std::string& fileName) {
    char fullPath[MAX_PATH];
    const DWORD length = GetFullPathNameA(fileName.c_str(), MAX_PATH, fullPath, nullptr);
    if (length == 0 || length >= MAX_PATH) return std::nullopt;
    // A device name (COM1, CON...) resolves to \\.\NAME in any folder; opening
    // or reading one may block the file manager for good.
    if (std::strncmp(fullPath, "\\\\.\\", 4) == 0) return std::nullopt;

    const win32::FileHandle file(CreateFileA(fullPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file || GetFileType(file.Get()) != FILE_TYPE_DISK) return std::nullopt;

    std::string bytes;
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(file.Get(), chunk, sizeof chunk, &read, nullptr) && read > 0) bytes.append(chunk, read);
    return bytes;
}

}  // namespace morvane
