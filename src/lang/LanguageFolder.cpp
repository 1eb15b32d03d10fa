#include "lang/LanguageFolder.h"

#include <windows.h>

#include "lang/SettingsKey.h"
#include "win32/AnsiText.h"
#include "win32/OwnModule.h"
#include "win32/UniqueHandle.h"

namespace morvane {
namespace {

constexpr char kLanguageFolder[] = "Language\\";
constexpr char kLanguageFileExtension[] = ".lng";

// A slash or a colon is never the trail byte of a double-byte character; a
// backslash may be, so it is looked for character by character.
bool IsPlainFileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find_first_of("/:") == std::string::npos &&
           win32::UpToLastBackslash(name).empty();
}

bool HasLanguageFileExtension(const std::string& name) {
    const size_t length = sizeof kLanguageFileExtension - 1;
    return name.size() > length && _stricmp(name.c_str() + name.size() - length, kLanguageFileExtension) == 0;
}

}  // namespace

bool IsBuiltinLanguage(const std::string& langFile) { return langFile.find(kBuiltinLanguageMark) != std::string::npos; }

std::optional<std::string> LanguageFilePath(const std::string& langFile) {
    if (!IsPlainFileName(langFile)) return std::nullopt;
    const std::string moduleDirectory = win32::OwnModuleDirectory();
    if (moduleDirectory.empty()) return std::nullopt;
    return moduleDirectory + kLanguageFolder + langFile;
}

std::vector<std::string> ListLanguageFiles() {
    std::vector<std::string> names;
    const std::string moduleDirectory = win32::OwnModuleDirectory();
    if (moduleDirectory.empty()) return names;
    // Wide names, so that a name the code page spells with a substitute is
    // seen as such rather than listed under a name that opens nothing.
    const std::wstring pattern = win32::WideText(moduleDirectory + kLanguageFolder + "*" + kLanguageFileExtension);
    WIN32_FIND_DATAW found;
    const win32::FindHandle search(FindFirstFileW(pattern.c_str(), &found));
    if (!search) return names;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        const std::optional<std::string> name = win32::ExactAnsiName(found.cFileName);
        // The pattern also matches short names: "x.lngx" may be X~1.LNG.
        if (name && HasLanguageFileExtension(*name)) names.push_back(*name);
    } while (FindNextFileW(search.Get(), &found));
    return names;
}

}  // namespace morvane
