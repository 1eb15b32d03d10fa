// Texts of the plug-in are in the system's ANSI code page; the host prints
// them as UTF-8 so that they read right in a terminal, a pipe or a file.
#pragma once

#include <string>
#include <string_view>

#include "uidriver/Utf8Text.h"

namespace mvhost {

using uidriver::AnsiToUtf8;
// Number of characters (not bytes) of a UTF-8 text, for column widths.
size_t DisplayWidth(std::string_view utf8);
// Writes the text to standard output at once (windows are printed from a
// second thread while the main thread waits in the plug-in).
void Print(const std::string& utf8);

}  // namespace mvhost
