#include "harness/FileBytes.h"

#include <windows.h>

#include "win32/UniqueHandle.h"

namespace morvane::test {
namespace {

void CreateFoldersAbove(const std::string& path) {
    const size_t slash = path.rfind('\\');
    // Stops at a drive's root, "C:\".
    if (slash == std::string::npos || slash < 3) return;
    const std::string folder = path.substr(0, slash);
    if (GetFileAttributesA(folder.c_str()) != INVALID_FILE_ATTRIBUTES) return;
    CreateFoldersAbove(folder);
    CreateDirectoryA(folder.c_str(), nullptr);
}

}  // namespace

std::optional<std::string> FileBytes(const std::string& path) {
    const win32::FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    std::string bytes;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file.Get(), chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
    return bytes;
}

bool WriteFileBytes(const std::string& path, std::string_view bytes) {
    CreateFoldersAbove(path);
    const win32::FileHandle file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD written = 0;
    return WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

bool CopyFileTo(const std::string& from, const std::string& to) {
    CreateFoldersAbove(to);
    return CopyFileA(from.c_str(), to.c_str(), FALSE) != FALSE;
}

}  // namespace morvane::test
