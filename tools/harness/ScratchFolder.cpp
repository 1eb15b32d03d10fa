#include "harness/ScratchFolder.h"

#include <windows.h>

#include "win32/AnsiText.h"
#include "win32/UniqueHandle.h"

namespace morvane::test {
namespace {

// `folder` ends with a backslash. By wide names, which tests give files in
// any script, and with the prefix that allows paths of any length.
void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    {
        const win32::FindHandle find(FindFirstFileW((folder + L"*").c_str(), &found));
        if (find) {
            do {
                const std::wstring name = found.cFileName;
                if (name == L"." || name == L"..") continue;
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    RemoveTree(folder + name + L"\\");
                } else {
                    SetFileAttributesW((folder + name).c_str(), FILE_ATTRIBUTE_NORMAL);
                    DeleteFileW((folder + name).c_str());
                }
            } while (FindNextFileW(find.Get(), &found));
        }
    }
    RemoveDirectoryW(folder.c_str());
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
    if (IsReady()) RemoveTree(L"\\\\?\\" + win32::WideText(path_));
}

}  // namespace morvane::test
