#include "win32/AnsiText.h"

#include <windows.h>

#include <algorithm>
#include <climits>

namespace morvane::win32 {
std::string AnsiLowerCase(std::string_view text) {
    std::string lower(text);
    if (!lower.empty()) CharLowerBuffA(lower.data(), static_cast<DWORD>(lower.size()));
    return lower;
}

std::optional<std::string> ExactAnsiName(std::wstring_view text) {
    constexpr size_t limit = MAX_PATH;
    if (text.empty()) return std::string();
    if (text.size() >= limit) return std::nullopt;
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
