// The system's own text for an error, as a message shows it after the name
// of what failed. It comes from the system, not from the plug-in, so tests
// ask the system for it.
#pragma once

#include <windows.h>

#include <string>

namespace morvane::test {

// FormatMessageA's text for `error`, with its line break; empty when none.
std::string SystemText(DWORD error);

}  // namespace morvane::test
