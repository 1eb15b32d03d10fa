#include "support/TempImageFile.h"

#include <windows.h>

#include <vector>

#include "win32/UniqueHandle.h"

namespace morvane::test {

namespace {

std::string TempDirectory() {
    char directory[MAX_PATH] = {};
    const DWORD length = GetTempPathA(MAX_PATH, directory);
    if (length == 0 || length >= MAX_PATH) return std::string();
    return std::string(directory, length);
}

}  // namespace

TempImageFile::TempImageFile(const std::string& extension, size_t bytes, const std::string& directory) {
    static unsigned counter = 0;
    const std::string folder = directory.empty() ? TempDirectory() : directory;
    if (folder.empty()) return;
    path_ = folder + "mvimage-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter) + extension;
    const win32::FileHandle file(
        CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return;
    const std::vector<char> zeros(bytes, 0);
    DWORD written = 0;
    created_ = WriteFile(file.Get(), zeros.data(), static_cast<DWORD>(zeros.size()), &written, nullptr) &&
               written == zeros.size();
}

TempImageFile::~TempImageFile() { Remove(); }

void TempImageFile::Remove() {
    if (created_) DeleteFileA(path_.c_str());
    created_ = false;
}

}  // namespace morvane::test
