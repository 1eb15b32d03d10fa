// The language choice written to the registry directly, as a user or an
// earlier run of the plug-in would have left it.
#pragma once

#include <windows.h>

#include <string>

namespace morvane::test {

// Writes exactly `bytes` (no terminator is added) as the LangFile value of
// type `type`, creating the settings key; answers the registry's code.
LONG StoreLangSetting(DWORD type, const std::string& bytes);

}  // namespace morvane::test
