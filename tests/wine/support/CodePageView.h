// Windows as a reader in the system's code page sees them: the driver reads
// every text in UTF-16 and keeps it in UTF-8, and the tests' expected texts
// are the built-in texts byte for byte in Windows-1251. A character the code
// page cannot spell reads as its best fit or '?', as GetWindowTextA gives it.
#pragma once

#include <string>

#include "uidriver/WindowState.h"

namespace morvane::test {

uidriver::WindowState InCodePage(uidriver::WindowState state);

}  // namespace morvane::test
