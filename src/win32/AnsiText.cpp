#include "win32/AnsiText.h"

#include <windows.h>

#include <cwchar>

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

std::optional<std::string> ExactAnsiName(std::wstring_view name) {
    if (name.empty()) return std::string();
    if (name.size() >= MAX_PATH) return std::nullopt;
    const int wide = static_cast<int>(name.size());
    char ansi[MAX_PATH];
    const int bytes = WideCharToMultiByte(CP_ACP, 0, name.data(), wide, ansi, sizeof ansi - 1, nullptr, nullptr);
    if (bytes <= 0) return std::nullopt;
    // Every character takes at least one byte: the spelling back fits too.
    wchar_t back[MAX_PATH];
    if (MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, ansi, bytes, back, MAX_PATH) != wide ||
        std::wmemcmp(back, name.data(), name.size()) != 0)
        return std::nullopt;
    return std::string(ansi, static_cast<size_t>(bytes));
}

std::wstring WideText(std::string_view text) {
    if (text.empty()) return std::wstring();
    const int length = static_cast<int>(text.size());
    const int wide = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    if (wide <= 0) return std::wstring();
    std::wstring out(static_cast<size_t>(wide), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), length, out.data(), wide);
    return out;
}

}  // namespace morvane::win32
