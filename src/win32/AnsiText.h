// Text in the system's ANSI code page and its conversions to and from UTF-16,
// the text of every Win32 call. The code page is only for what stored records
// and language files hold.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace morvane::win32 {

// Lower case by the code page's own mapping, not only A to Z.
std::string AnsiLowerCase(std::string_view text);

// A name or path spelled in the code page, to fit a record's 260-byte field
// with its terminator; nothing when the code page cannot spell it exactly (a
// substitute such as "?mega.iso" or the best fit "Amelie.iso" would reach
// another name, or none) or the spelling does not fit.
std::optional<std::string> ExactAnsiName(std::wstring_view name);
// The text in the code page, each character it cannot spell as '?', never
// a look-alike: for what only shows a text (the log, an ANSI caller's copy),
// never for what names something.
std::string AnsiText(std::wstring_view text);
// The same within `limit` bytes with its terminator, cut between characters
// and then ending in '?', so that a name cut short never spells another one.
std::string ShownAnsiText(std::wstring_view text, size_t limit);
// The text in UTF-16, by the code page's mapping.
std::wstring WideText(std::string_view text);

// Lower case by the system's own mapping of UTF-16.
std::wstring WideLowerCase(std::wstring_view text);
// The part after the last backslash (or the whole text), and everything up to
// and including it (or nothing).
std::wstring AfterLastBackslash(std::wstring_view text);
std::wstring UpToLastBackslash(std::wstring_view text);

}  // namespace morvane::win32
