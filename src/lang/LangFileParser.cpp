#include "lang/LangFileParser.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace morvane {
namespace {

constexpr char kCtrlZ = '\x1A';
constexpr uint32_t kMaxIdentifier = 2147483647;

// What a text-mode stream hands over: CR LF becomes LF, Ctrl-Z ends the file.
std::string TextModeBytes(std::string_view bytes) {
    const size_t end = std::min(bytes.find(kCtrlZ), bytes.size());
    std::string text;
    text.reserve(end);
    for (size_t i = 0; i < end; ++i) {
        if (bytes[i] == '\r' && i + 1 < end && bytes[i + 1] == '\n') continue;
        text.push_back(bytes[i]);
    }
    return text;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The leading decimal digits as a signed 32-bit number, clamped at its maximum.
uint32_t LeadingNumber(std::string_view line) {
    uint32_t value = 0;
    for (size_t i = 0; i < line.size() && IsDigit(line[i]); ++i) {
        const uint32_t digit = static_cast<uint32_t>(line[i] - '0');
        value = value > (kMaxIdentifier - digit) / 10 ? kMaxIdentifier : value * 10 + digit;
    }
    return value;
}

// "\n" (backslash, letter n) becomes CR LF, scanning left to right; every
// other backslash is an ordinary byte.
std::string Unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            out += "\r\n";
            ++i;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

// One piece as read into the line buffer, which is a C string: a zero byte
// ends it.
std::optional<std::pair<uint32_t, std::string>> ParseLine(std::string_view piece) {
    std::string_view line = piece.substr(0, piece.find('\0'));
    if (line.empty() || !IsDigit(line[0])) return std::nullopt;
    if (line.size() < 3) return std::nullopt;
    if (line.back() == '\n') line.remove_suffix(1);
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return std::make_pair(LeadingNumber(line), Unescape(line.substr(equals + 1)));
}

}  // namespace

LangTable ParseLanguageFile(std::string_view bytes) {
    const std::string text = TextModeBytes(bytes);
    const std::string_view rest(text);
    LangTable table;
    size_t pos = 0;
    while (pos < rest.size()) {
        const size_t limit = std::min(rest.size() - pos, kLangLinePieceSize);
        const size_t newline = rest.substr(pos, limit).find('\n');
        const size_t length = newline == std::string_view::npos ? limit : newline + 1;
        if (auto entry = ParseLine(rest.substr(pos, length))) table[entry->first] = std::move(entry->second);
        pos += length;
    }
    return table;
}

}  // namespace morvane
