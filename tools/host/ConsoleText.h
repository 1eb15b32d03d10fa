// The host keeps every text in UTF-8, as it reads its command line and
// prints: the plug-in's wide calls take them in UTF-16, its narrow ones and
// the stored records in the system's ANSI code page.
#pragma once

#include <string>
#include <string_view>

#include "uidriver/Utf8Text.h"

namespace mvhost {

using uidriver::AnsiToUtf8;
using uidriver::Utf8ToAnsi;
using uidriver::Utf8ToWide;
using uidriver::WideToUtf8;
// Number of characters (not bytes) of a UTF-8 text, for column widths.
size_t DisplayWidth(std::string_view utf8);
// Writes the text to standard output at once (windows are printed from a
// second thread while the main thread waits in the plug-in).
void Print(const std::string& utf8);

}  // namespace mvhost
