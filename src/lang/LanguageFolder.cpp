#include "lang/LanguageFolder.h"

#include <windows.h>

#include <iterator>

#include "lang/SettingsKey.h"
#include "win32/OwnModule.h"
#include "win32/UniqueHandle.h"

namespace morvane {
namespace {

constexpr wchar_t kLanguageFolder[] = L"Language\\";
constexpr wchar_t kLanguageFileExtension[] = L".lng";

bool IsPlainFileName(const std::wstring& name) {
    return !name.empty() && name != L"." && name != L".." && name.find_first_of(L"\\/:") == std::wstring::npos;
}

bool HasLanguageFileExtension(const std::wstring& name) {
    const size_t length = std::size(kLanguageFileExtension) - 1;
    return name.size() > length && _wcsicmp(name.c_str() + name.size() - length, kLanguageFileExtension) == 0;
}

}  // namespace

bool IsBuiltinLanguage(const std::wstring& langFile) {
    return langFile.find(kBuiltinLanguageMark) != std::wstring::npos;
}

std::optional<std::wstring> LanguageFilePath(const std::wstring& langFile) {
    if (!IsPlainFileName(langFile)) return std::nullopt;
    const std::wstring moduleDirectory = win32::OwnModuleDirectory();
    if (moduleDirectory.empty()) return std::nullopt;
    return moduleDirectory + kLanguageFolder + langFile;
}

std::vector<std::wstring> ListLanguageFiles() {
    std::vector<std::wstring> names;
    const std::wstring moduleDirectory = win32::OwnModuleDirectory();
    if (moduleDirectory.empty()) return names;
    const std::wstring pattern = moduleDirectory + kLanguageFolder + L"*" + kLanguageFileExtension;
    WIN32_FIND_DATAW found;
    const win32::FindHandle search(FindFirstFileW(pattern.c_str(), &found));
    if (!search) return names;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        // The pattern also matches short names: "x.lngx" may be X~1.LNG.
        const std::wstring name = found.cFileName;
        if (HasLanguageFileExtension(name)) names.push_back(name);
    } while (FindNextFileW(search.Get(), &found));
    return names;
}

}  // namespace morvane
