// Window texts are in the system's ANSI code page; what the driver prints is
// UTF-8, so that it reads right in a terminal, a pipe or a file.
#pragma once

#include <string>
#include <string_view>

namespace uidriver {

// The text unchanged when the code page cannot convert it.
std::string AnsiToUtf8(std::string_view ansi);
// Empty when it cannot be converted.
std::string WideToUtf8(std::wstring_view wide);

}  // namespace uidriver
