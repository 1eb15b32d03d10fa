#include "uidriver/Utf8Text.h"

#include <windows.h>

#include <climits>
#include <vector>

namespace uidriver {

std::string AnsiToUtf8(std::string_view ansi) {
    // The text as it is unless it converts; one longer than the conversion
    // calls take stays as it is too.
    if (ansi.empty() || ansi.size() > static_cast<size_t>(INT_MAX)) return std::string(ansi);
    const int ansiLength = static_cast<int>(ansi.size());
    const int wideLength = MultiByteToWideChar(CP_ACP, 0, ansi.data(), ansiLength, nullptr, 0);
    if (wideLength <= 0) return std::string(ansi);
    std::vector<wchar_t> wide(static_cast<size_t>(wideLength));
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), ansiLength, wide.data(), wideLength);
    const std::string utf8 = WideToUtf8(std::wstring_view(wide.data(), wide.size()));
    return utf8.empty() ? std::string(ansi) : utf8;
}

std::string WideToUtf8(std::wstring_view wide) {
    if (wide.empty() || wide.size() > static_cast<size_t>(INT_MAX)) return std::string();
    const int wideLength = static_cast<int>(wide.size());
    const int utf8Length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    if (utf8Length <= 0) return std::string();
    std::string utf8(static_cast<size_t>(utf8Length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, utf8.data(), utf8Length, nullptr, nullptr);
    return utf8;
}

std::wstring Utf8ToWide(std::string_view utf8) {
    if (utf8.empty() || utf8.size() > static_cast<size_t>(INT_MAX)) return std::wstring();
    const int utf8Length = static_cast<int>(utf8.size());
    const int wideLength = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), utf8Length, nullptr, 0);
    if (wideLength <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), utf8Length, wide.data(), wideLength);
    return wide;
}

std::string Utf8ToAnsi(std::string_view utf8) {
    const std::wstring wide = Utf8ToWide(utf8);
    if (wide.empty() || wide.size() > static_cast<size_t>(INT_MAX)) return std::string();
    const int wideLength = static_cast<int>(wide.size());
    const int ansiLength = WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    if (ansiLength <= 0) return std::string();
    std::string ansi(static_cast<size_t>(ansiLength), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, ansi.data(), ansiLength, nullptr, nullptr);
    return ansi;
}

}  // namespace uidriver
