#include "support/ScratchFolder.h"

#include <windows.h>

#include "win32/UniqueHandle.h"

namespace morvane::test {
namespace {

// `folder` ends with a backslash.
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

}  // namespace

ScratchFolder::ScratchFolder() {
    char temp[MAX_PATH] = {};
    const DWORD length = GetTempPathA(MAX_PATH, temp);
    if (length == 0 || length >= MAX_PATH) return;
    // Folders of an earlier run with the same process id may be left over.
    static unsigned serial = 0;
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate = std::string(temp, length) + "morvane-" + std::to_string(GetCurrentProcessId()) +
                                      "-" + std::to_string(++serial);
        if (CreateDirectoryA(candidate.c_str(), nullptr)) {
            path_ = candidate + "\\";
            return;
        }
    }
}

ScratchFolder::~ScratchFolder() {
    if (IsReady()) RemoveTree(path_);
}

}  // namespace morvane::test
