#include "lang/LanguageFolder.h"

#include "lang/SettingsKey.h"
#include "win32/OwnModule.h"

namespace morvane {

bool IsBuiltinLanguage(const std::string& langFile) { return langFile.find(kBuiltinLanguageMark) != std::string::npos; }

std::optional<std::string> LanguageFilePath(const std::string& langFile) {
    const std::string moduleDirectory = win32::OwnModuleDirectory();
    if (moduleDirectory.empty()) return std::nullopt;
    return moduleDirectory + "Language\\" + langFile;
}

}  // namespace morvane
