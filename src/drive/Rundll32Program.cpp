#include "drive/Rundll32Program.h"

#include <windows.h>

namespace morvane {

std::string Rundll32Program() {
    BOOL wow64 = FALSE;
    if (!IsWow64Process(GetCurrentProcess(), &wow64) || !wow64) return "rundll32";
    char folder[MAX_PATH] = {};
    const UINT length = GetSystemWow64DirectoryA(folder, MAX_PATH);
    // Without the folder the plain name is the best there is.
    if (length == 0 || length >= MAX_PATH) return "rundll32";
    return "\"" + std::string(folder, length) + "\\rundll32.exe\"";
}

}  // namespace morvane
