#include "win32/RegistryString.h"

#include <cwchar>
#include <vector>

namespace morvane::win32 {
namespace {

bool IsTerminated(DWORD type, const std::vector<wchar_t>& text, size_t characters) {
    if (type == REG_SZ || type == REG_EXPAND_SZ) return text[characters - 1] == L'\0';
    if (type == REG_MULTI_SZ)
        return text[characters - 1] == L'\0' && (characters == 1 || text[characters - 2] == L'\0');
    return false;
}

}  // namespace

std::optional<std::wstring> ReadRegistryString(const RegKey& key, const wchar_t* name, size_t maxBytes,
                                               bool emptyCounts) {
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (key.QueryValue(name, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
    if (size == 0) return emptyCounts ? std::optional<std::wstring>(std::wstring()) : std::nullopt;
    if (size > maxBytes || size % sizeof(wchar_t) != 0) return std::nullopt;
    // Another process may make the value longer meanwhile: a second answer
    // that does not fit fails rather than reading past the buffer.
    std::vector<wchar_t> text(size / sizeof(wchar_t));
    DWORD read = size;
    if (key.QueryValue(name, &type, text.data(), &read) != ERROR_SUCCESS || read != size) return std::nullopt;
    if (!IsTerminated(type, text, text.size())) return std::nullopt;
    return std::wstring(text.data(), std::wcslen(text.data()));
}

}  // namespace morvane::win32
