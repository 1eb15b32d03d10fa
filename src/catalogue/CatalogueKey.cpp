#include "catalogue/CatalogueKey.h"

#include <windows.h>

#include <climits>
#include <optional>

#include "win32/AnsiText.h"

namespace morvane {
namespace {

std::string Utf8Text(std::wstring_view text) {
    if (text.empty() || text.size() > INT_MAX / 4) return std::string();
    const int wide = static_cast<int>(text.size());
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return std::string();
    std::string utf8(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, utf8.data(), bytes, nullptr, nullptr);
    return utf8;
}

}  // namespace

std::string CatalogueKey(std::wstring_view displayName) {
    const std::optional<std::string> ansi = win32::ExactAnsiName(displayName);
    if (ansi) return win32::AnsiLowerCase(*ansi);
    return "\\" + Utf8Text(win32::WideLowerCase(displayName));
}

}  // namespace morvane
