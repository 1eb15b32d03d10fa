// Text in the system's ANSI code page, where a trail byte of a double-byte
// character may equal a backslash.
#pragma once

#include <optional>
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
// A name the system gives in UTF-16 (a registry value, a file), spelled in
// the code page; nothing when the code page cannot spell it exactly (using
// a substitute such as "?mega.iso" would reach another name, or none) or the
// spelling takes MAX_PATH bytes or more.
std::optional<std::string> ExactAnsiName(std::wstring_view name);
// The text in UTF-16, by the code page's mapping.
std::wstring WideText(std::string_view text);

}  // namespace morvane::win32
