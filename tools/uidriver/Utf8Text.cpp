#include "uidriver/Utf8Text.h"

#include <windows.h>

#include <climits>
#include <vector>

namespace uidriver {

std::string AnsiToUtf8(std::string_view ansi) {
    // The text as it is unless it converts; one longer than the conversion
    // calls take stays as it is too.
    std::string utf8(ansi);
    if (ansi.empty() || ansi.size() > static_cast<size_t>(INT_MAX)) return utf8;
    const int ansiLength = static_cast<int>(ansi.size());
    const int wideLength = MultiByteToWideChar(CP_ACP, 0, ansi.data(), ansiLength, nullptr, 0);
    if (wideLength <= 0) return utf8;
    std::vector<wchar_t> wide(static_cast<size_t>(wideLength));
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), ansiLength, wide.data(), wideLength);
    const int utf8Length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    if (utf8Length <= 0) return utf8;
    utf8.assign(static_cast<size_t>(utf8Length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, utf8.data(), utf8Length, nullptr, nullptr);
    return utf8;
}

}  // namespace uidriver
