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
// Copied a run at a time, up to each CR.
std::string TextModeBytes(std::string_view bytes) {
    bytes = bytes.substr(0, bytes.find(kCtrlZ));
    std::string text;
    text.reserve(bytes.size());
    size_t start = 0;
    for (size_t cr = bytes.find('\r'); cr != std::string_view::npos; cr = bytes.find('\r', start)) {
        const bool beforeLineFeed = cr + 1 < bytes.size() && bytes[cr + 1] == '\n';
        text.append(bytes.substr(start, cr - start + (beforeLineFeed ? 0 : 1)));
        start = cr + 1;
    }
    text.append(bytes.substr(start));
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
// other backslash is an ordinary byte. Copied a run at a time.
std::string Unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t start = 0;
    for (size_t at = text.find("\\n"); at != std::string_view::npos; at = text.find("\\n", start)) {
        out.append(text.substr(start, at - start));
        out += "\r\n";
        start = at + 2;
    }
    out.append(text.substr(start));
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
