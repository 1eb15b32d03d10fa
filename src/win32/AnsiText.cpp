#include "win32/AnsiText.h"

#include <windows.h>

namespace morvane::win32 {
namespace {

// Offset just past the last backslash that is a character of its own, or npos.
size_t PastLastBackslash(std::string_view text) {
    size_t past = std::string_view::npos;
    for (size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (IsDBCSLeadByte(byte) && i + 1 < text.size()) {
            i += 2;
            continue;
        }
        if (byte == '\\') past = i + 1;
        ++i;
    }
    return past;
}

}  // namespace

std::string AfterLastBackslash(std::string_view text) {
    const size_t past = PastLastBackslash(text);
    return std::string(past == std::string_view::npos ? text : text.substr(past));
}

std::string UpToLastBackslash(std::string_view text) {
    const size_t past = PastLastBackslash(text);
    return past == std::string_view::npos ? std::string() : std::string(text.substr(0, past));
}

std::string AnsiLowerCase(std::string_view text) {
    std::string lower(text);
    if (!lower.empty()) CharLowerBuffA(lower.data(), static_cast<DWORD>(lower.size()));
    return lower;
}

bool AnsiEqualNoCase(std::string_view a, std::string_view b) {
    // Equal bytes are equal in any case, and spare lowering both texts.
    return a == b || AnsiLowerCase(a) == AnsiLowerCase(b);
}

}  // namespace morvane::win32
