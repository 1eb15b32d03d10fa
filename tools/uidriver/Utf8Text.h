// The driver reads window texts in UTF-16 and keeps and prints them in UTF-8,
// so that they read right in a terminal, a pipe or a file, whatever the
// system's code page can spell.
#pragma once

#include <string>
#include <string_view>

namespace uidriver {

// The text unchanged when the code page cannot convert it.
std::string AnsiToUtf8(std::string_view ansi);
// Empty when it cannot be converted.
std::string WideToUtf8(std::wstring_view wide);
std::wstring Utf8ToWide(std::string_view utf8);
// The text in the code page as a narrow program gets it (GetWindowTextA, a
// narrow host's call): the code page's best fit, and its default character
// for what it cannot spell.
std::string Utf8ToAnsi(std::string_view utf8);

}  // namespace uidriver
