#include "catalogue/ImagePaths.h"

#include <windows.h>

#include <array>

#include "win32/AnsiText.h"
#include "win32/RegKey.h"

namespace morvane {
namespace {

// A path of the file manager's is at most 1,023 characters; two of them
// with their terminators, and the list's own, fit.
constexpr size_t kMaxKeptChars = 2 * 1024 + 1;

// The two texts of a REG_MULTI_SZ, or nothing when it holds anything else.
std::optional<std::pair<std::wstring, std::wstring>> TwoTexts(DWORD type, const wchar_t* data, size_t bytes) {
    if (type != REG_MULTI_SZ || bytes % sizeof(wchar_t) != 0) return std::nullopt;
    const std::wstring_view all(data, bytes / sizeof(wchar_t));
    const size_t first = all.find(L'\0');
    if (first == std::wstring_view::npos) return std::nullopt;
    const size_t second = all.find(L'\0', first + 1);
    if (second == std::wstring_view::npos || second == first + 1) return std::nullopt;
    return std::make_pair(std::wstring(all.substr(0, first)), std::wstring(all.substr(first + 1, second - first - 1)));
}

}  // namespace

std::vector<KeptImagePath> ReadKeptImagePaths() {
    std::vector<KeptImagePath> kept;
    win32::RegKey key;
    if (key.Open(HKEY_CURRENT_USER, kImagePathsKey, KEY_READ) != ERROR_SUCCESS) return kept;
    std::array<wchar_t, kTextFieldSize> name{};
    std::vector<wchar_t> data(kMaxKeptChars);
    for (DWORD index = 0;; ++index) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD type = REG_NONE;
        DWORD size = static_cast<DWORD>(data.size() * sizeof(wchar_t));
        const LONG rc = RegEnumValueW(key.Get(), index, name.data(), &nameLength, nullptr, &type,
                                      reinterpret_cast<BYTE*>(data.data()), &size);
        if (rc == ERROR_MORE_DATA) continue;
        if (rc != ERROR_SUCCESS) break;
        const auto texts = TwoTexts(type, data.data(), size);
        if (texts) kept.push_back({std::wstring(name.data(), nameLength), texts->first, texts->second});
    }
    return kept;
}

std::optional<KeptImagePath> ReadKeptImagePath(const std::wstring& valueName) {
    win32::RegKey key;
    if (key.Open(HKEY_CURRENT_USER, kImagePathsKey, KEY_READ) != ERROR_SUCCESS) return std::nullopt;
    std::vector<wchar_t> data(kMaxKeptChars);
    DWORD type = REG_NONE;
    DWORD size = static_cast<DWORD>(data.size() * sizeof(wchar_t));
    if (key.QueryValue(valueName.c_str(), &type, data.data(), &size) != ERROR_SUCCESS) return std::nullopt;
    const auto texts = TwoTexts(type, data.data(), size);
    if (!texts) return std::nullopt;
    return KeptImagePath{valueName, texts->first, texts->second};
}

std::wstring NamedImagePath(const CFileInfo& record, const KeptImagePath* kept) {
    std::wstring field = win32::WideText(FieldView(record.imagePath));
    return kept && kept->recordField == field ? kept->path : field;
}

bool KeepImagePath(const StoredImage& image) {
    const std::wstring field = win32::WideText(FieldView(image.record.imagePath));
    if (field == image.imagePath) {
        ForgetImagePath(image.valueName);
        return true;
    }
    win32::RegKey key;
    if (key.Create(HKEY_CURRENT_USER, kImagePathsKey, KEY_WRITE) != ERROR_SUCCESS) return false;
    std::wstring texts = field;
    texts.append(1, L'\0').append(image.imagePath).append(2, L'\0');
    return key.SetValue(image.valueName.c_str(), REG_MULTI_SZ, texts.data(),
                        static_cast<DWORD>(texts.size() * sizeof(wchar_t))) == ERROR_SUCCESS;
}

void ForgetImagePath(const std::wstring& valueName) {
    win32::RegKey key;
    if (key.Open(HKEY_CURRENT_USER, kImagePathsKey, KEY_WRITE) == ERROR_SUCCESS) key.DeleteValue(valueName.c_str());
}

}  // namespace morvane
