#include "win32/AnsiText.h"

#include <windows.h>

#include <algorithm>
#include <climits>

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

std::optional<std::string> ExactAnsiText(std::wstring_view text, size_t limit) {
    if (text.empty()) return std::string();
    if (text.size() >= limit || text.size() > INT_MAX / 2) return std::nullopt;
    const int wide = static_cast<int>(text.size());
    BOOL substituted = FALSE;
    // Without best fit the code page never spells a character as another one.
    const int bytes =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), wide, nullptr, 0, nullptr, &substituted);
    if (bytes <= 0 || substituted || static_cast<size_t>(bytes) >= limit) return std::nullopt;
    std::string ansi(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), wide, ansi.data(), bytes, nullptr, nullptr);
    // The spelling must read back as the same text: a code page may still map
    // two characters to one byte sequence.
    if (WideText(ansi) != text) return std::nullopt;
    return ansi;
}

std::optional<std::string> ExactAnsiName(std::wstring_view name) { return ExactAnsiText(name, MAX_PATH); }

std::string AnsiText(std::wstring_view text) {
    if (text.empty() || text.size() > INT_MAX / 2) return std::string();
    const int wide = static_cast<int>(text.size());
    const int bytes = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), wide, nullptr, 0, "?", nullptr);
    if (bytes <= 0) return std::string();
    std::string ansi(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), wide, ansi.data(), bytes, "?", nullptr);
    return ansi;
}

std::string ShownAnsiText(std::wstring_view text, size_t limit) {
    if (limit < 2) return std::string();
    std::string shown = AnsiText(text);
    if (shown.size() < limit) return shown;
    // A character takes at most two bytes: shorten from there.
    for (size_t length = std::min(text.size(), limit / 2 + 1); length > 0; --length) {
        shown = AnsiText(text.substr(0, length));
        if (shown.size() + 1 < limit) return shown + "?";
    }
    return "?";
}

std::wstring WideText(std::string_view text) {
    if (text.empty() || text.size() > INT_MAX) return std::wstring();
    const int length = static_cast<int>(text.size());
    const int wide = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    if (wide <= 0) return std::wstring();
    std::wstring out(static_cast<size_t>(wide), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), length, out.data(), wide);
    return out;
}

std::wstring WideLowerCase(std::wstring_view text) {
    std::wstring lower(text);
    if (!lower.empty() && lower.size() <= MAXDWORD) CharLowerBuffW(lower.data(), static_cast<DWORD>(lower.size()));
    return lower;
}

std::wstring AfterLastBackslash(std::wstring_view text) {
    const size_t last = text.rfind(L'\\');
    return std::wstring(last == std::wstring_view::npos ? text : text.substr(last + 1));
}

std::wstring UpToLastBackslash(std::wstring_view text) {
    const size_t last = text.rfind(L'\\');
    return last == std::wstring_view::npos ? std::wstring() : std::wstring(text.substr(0, last + 1));
}

}  // namespace morvane::win32
