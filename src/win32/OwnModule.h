// The plug-in's own module, found from an address inside it, so that it finds
// its own file whether the file manager or rundll32 loaded it.
#pragma once

#include <windows.h>

#include <string>

namespace morvane::win32 {

// Null when the address query fails.
HMODULE GetOwnModuleHandle();
// Full file name of the module (at most 259 characters); with a null handle,
// that of the process's executable.
std::string OwnModulePath();
// Directory of the module file with its trailing backslash.
std::string OwnModuleDirectory();
// File name without directory and extension: the caption of every message box.
std::string ModuleTitle();

}  // namespace morvane::win32
