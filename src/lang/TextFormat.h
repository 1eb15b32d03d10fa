// Texts that code fills in with arguments. They use bare "%s", "%c" and "%d"
// only (and "%%" for a per cent sign), so a translation can be checked
// against its built-in text and filled in without the C library's printf,
// whose flags, widths and "%n" a language file could turn against the host.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace morvane {

// One argument: a text for "%s", a character for "%c", a number for "%d".
// Texts are filled in as shown, in UTF-16.
class TextArg {
public:
    explicit TextArg(std::wstring text) : kind_(L's'), text_(std::move(text)) {}
    explicit TextArg(wchar_t c) : kind_(L'c'), text_(1, c == L'\0' ? L'?' : c) {}
    // A drive letter, which is ASCII.
    explicit TextArg(char c) : TextArg(static_cast<wchar_t>(static_cast<unsigned char>(c))) {}
    explicit TextArg(int number) : kind_(L'd'), text_(std::to_wstring(number)) {}

    wchar_t Kind() const { return kind_; }
    const std::wstring& Text() const { return text_; }

private:
    wchar_t kind_;
    std::wstring text_;
};

// The conversion letters of `text` (as a language file holds it) in order
// ("%%" takes no argument); nothing when a '%' is followed by anything but
// 's', 'c', 'd' or '%'.
std::optional<std::string> TextConversions(std::string_view text);

// `pattern` with its conversions replaced by the arguments in order. A
// conversion that is not bare, or whose argument is missing or of another
// kind, and everything after it, is copied as it stands.
std::wstring FormatText(std::wstring_view pattern, const std::vector<TextArg>& args);

}  // namespace morvane
