#include "lang_test_folder.h"

#include "support/FileBytes.h"
#include "win32/UniqueHandle.h"

namespace morvane::test {
namespace {

void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA found;
    {
        const win32::FindHandle find(FindFirstFileA((folder + "*").c_str(), &found));
        if (find) {
            do {
                const std::string name = found.cFileName;
                if (name == "." || name == "..") continue;
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    RemoveTree(folder + name + "\\");
                } else {
                    SetFileAttributesA((folder + name).c_str(), FILE_ATTRIBUTE_NORMAL);
                    DeleteFileA((folder + name).c_str());
                }
            } while (FindNextFileA(find.Get(), &found));
        }
    }
    RemoveDirectoryA(folder.c_str());
}

void CreateFoldersAbove(const std::string& path) {
    const size_t slash = path.rfind('\\');
    if (slash == std::string::npos || slash < 3) return;
    const std::string folder = path.substr(0, slash);
    if (GetFileAttributesA(folder.c_str()) != INVALID_FILE_ATTRIBUTES) return;
    CreateFoldersAbove(folder);
    CreateDirectoryA(folder.c_str(), nullptr);
}

}  // namespace

ScopedFolder::ScopedFolder() {
    char temp[MAX_PATH] = {};
    const DWORD len = GetTempPathA(MAX_PATH, temp);
    if (len == 0 || len >= MAX_PATH) return;
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate = std::string(temp) + "mvlang" + std::to_string(GetCurrentProcessId()) + "_" +
                                      std::to_string(attempt);
        if (CreateDirectoryA(candidate.c_str(), nullptr)) {
            path_ = candidate + "\\";
            return;
        }
    }
}

ScopedFolder::~ScopedFolder() {
    if (IsValid()) RemoveTree(path_);
}

bool WriteBytes(const std::string& path, std::string_view bytes) {
    CreateFoldersAbove(path);
    const win32::FileHandle file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD written = 0;
    return WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

bool CopyTo(const std::string& from, const std::string& to) {
    CreateFoldersAbove(to);
    return CopyFileA(from.c_str(), to.c_str(), FALSE) != FALSE;
}

std::string ReadBytes(const std::string& path) { return FileBytes(path).value_or(std::string()); }

CurrentDirectoryGuard::CurrentDirectoryGuard() {
    char dir[MAX_PATH] = {};
    const DWORD len = GetCurrentDirectoryA(MAX_PATH, dir);
    if (len > 0 && len < MAX_PATH) saved_ = dir;
}

CurrentDirectoryGuard::~CurrentDirectoryGuard() {
    if (!saved_.empty()) SetCurrentDirectoryA(saved_.c_str());
}

}  // namespace morvane::test
