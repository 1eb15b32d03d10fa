#include "lang/SettingsKey.h"
#include "plugin/MorvaneApp.h"
#include "win32/OwnModule.h"

namespace morvane {

bool CMorvaneApp::LoadLanguage(const std::string& fileName, bool quiet) {
    if (fileName.find(kBuiltinLanguageMark) != std::string::npos) {
        m_langTable.clear();
        return true;
    }
    // Beside the plug-in's own file, never beside the host's program. A module
    // whose folder is unknown has no language folder: the file is missing
    // rather than looked for in the current directory.
    const std::string moduleDirectory = win32::OwnModuleDirectory();
    if (moduleDirectory.empty()) return ReportMissingLanguageFile(quiet);
    return CMLangApp::LoadLanguage(moduleDirectory + "Language\\" + fileName, quiet);
}

bool CMorvaneApp::ReloadLanguage(bool quiet) { return LoadLanguage(std::string(m_strLangFile), quiet); }

}  // namespace morvane
