#include "support/CurrentDirectory.h"

#include <windows.h>

namespace morvane::test {

CurrentDirectoryGuard::CurrentDirectoryGuard() {
    char directory[MAX_PATH] = {};
    const DWORD length = GetCurrentDirectoryA(MAX_PATH, directory);
    if (length > 0 && length < MAX_PATH) saved_.assign(directory, length);
}

CurrentDirectoryGuard::~CurrentDirectoryGuard() {
    if (!saved_.empty()) SetCurrentDirectoryA(saved_.c_str());
}

}  // namespace morvane::test
