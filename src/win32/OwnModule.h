// The plug-in's own module, found from an address inside it, so that it finds
// its own file whether the file manager or rundll32 loaded it, in whatever
// folder, named in whatever script.
#pragma once

#include <windows.h>

#include <string>

namespace morvane::win32 {

// Null when the address query fails.
HMODULE GetOwnModuleHandle();
// Full file name of the module, of any length the system allows; empty when
// it cannot be read whole. With a null handle, that of the process's
// executable.
std::wstring OwnModulePath();
// Directory of the module file with its trailing backslash.
std::wstring OwnModuleDirectory();
// File name without directory and extension: the caption of every message box.
std::wstring ModuleTitle();

}  // namespace morvane::win32
