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
class TextArg {
public:
    explicit TextArg(std::string text) : kind_('s'), text_(std::move(text)) {}
    explicit TextArg(char c) : kind_('c'), text_(1, c == '\0' ? '?' : c) {}
    explicit TextArg(int number) : kind_('d'), text_(std::to_string(number)) {}

    char Kind() const { return kind_; }
    const std::string& Text() const { return text_; }

private:
    char kind_;
    std::string text_;
};

// The conversion letters of `text` in order ("%%" takes no argument);
// nothing when a '%' is followed by anything but 's', 'c', 'd' or '%'.
std::optional<std::string> TextConversions(std::string_view text);

// `pattern` with its conversions replaced by the arguments in order. A
// conversion that is not bare, or whose argument is missing or of another
// kind, and everything after it, is copied as it stands.
std::string FormatText(std::string_view pattern, const std::vector<TextArg>& args);

}  // namespace morvane
