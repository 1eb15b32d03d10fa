#include "lang/PrintfConversions.h"

#include <utility>

namespace morvane {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool Contains(std::string_view set, char c) { return set.find(c) != std::string_view::npos; }

void SkipDigits(std::string_view format, size_t& pos) {
    while (pos < format.size() && IsDigit(format[pos])) ++pos;
}

// The size modifiers of the C library and of the Windows one ("I64", "w").
std::string_view LengthAt(std::string_view format, size_t pos) {
    for (std::string_view length : {"hh", "ll", "I32", "I64", "h", "l", "L", "j", "z", "t", "I", "w"}) {
        if (format.substr(pos, length.size()) == length) return length;
    }
    return {};
}

}  // namespace

std::optional<std::vector<PrintfConversion>> PrintfConversions(std::string_view format) {
    std::vector<PrintfConversion> conversions;
    size_t pos = 0;
    while ((pos = format.find('%', pos)) != std::string_view::npos) {
        ++pos;
        if (pos < format.size() && format[pos] == '%') {
            ++pos;
            continue;
        }
        while (pos < format.size() && Contains("-+ #0", format[pos])) ++pos;
        SkipDigits(format, pos);
        if (pos < format.size() && format[pos] == '.') {
            ++pos;
            SkipDigits(format, pos);
        }
        PrintfConversion conversion;
        conversion.length = std::string(LengthAt(format, pos));
        pos += conversion.length.size();
        if (pos >= format.size()) return std::nullopt;
        const char kind = format[pos++];
        // "n" writes to memory; "*" and "$" are not in the set and fail here.
        if (!Contains("diouxXcCsSeEfFgGaApZ", kind)) return std::nullopt;
        conversion.kind = kind == 'i' ? 'd' : kind;
        conversions.push_back(std::move(conversion));
    }
    return conversions;
}

bool SamePrintfConversions(std::string_view candidate, std::string_view reference) {
    const auto mine = PrintfConversions(candidate);
    const auto theirs = PrintfConversions(reference);
    return mine && theirs && *mine == *theirs;
}

}  // namespace morvane
