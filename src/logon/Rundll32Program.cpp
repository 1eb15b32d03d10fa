#include "logon/Rundll32Program.h"

#include <windows.h>

namespace morvane {

std::wstring Rundll32Program() {
    BOOL wow64 = FALSE;
    if (!IsWow64Process(GetCurrentProcess(), &wow64) || !wow64) return L"rundll32";
    wchar_t folder[MAX_PATH] = {};
    const UINT length = GetSystemWow64DirectoryW(folder, MAX_PATH);
    // Without the folder the plain name is the best there is.
    if (length == 0 || length >= MAX_PATH) return L"rundll32";
    return L"\"" + std::wstring(folder, length) + L"\\rundll32.exe\"";
}

}  // namespace morvane
