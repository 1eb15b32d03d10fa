// Text in the system's ANSI code page, where a trail byte of a double-byte
// character may equal a backslash.
#pragma once

#include <string>
#include <string_view>

namespace morvane::win32 {

// The part after the last backslash; the whole text when there is none.
std::string AfterLastBackslash(std::string_view text);
// Everything up to and including the last backslash; empty when there is none.
std::string UpToLastBackslash(std::string_view text);
// Lower case by the code page's own mapping, not only A to Z.
std::string AnsiLowerCase(std::string_view text);
// Case-insensitive comparison by the code page's mapping.
bool AnsiEqualNoCase(std::string_view a, std::string_view b);

}  // namespace morvane::win32
