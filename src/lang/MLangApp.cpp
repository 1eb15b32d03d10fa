#include "lang/MLangApp.h"

#include <optional>

#include "lang/BuiltinTexts.h"
#include "lang/LangFileParser.h"
#include "lang/LanguageFileBytes.h"
#include "lang/LanguageFolder.h"
#include "lang/TranslationCheck.h"
#include "win32/AnsiText.h"

namespace morvane {

bool CMLangApp::LoadLanguage(const std::wstring& langFile, bool quiet) {
    if (IsBuiltinLanguage(langFile)) {
        m_langTable.clear();
        return true;
    }
    const std::optional<std::wstring> path = LanguageFilePath(langFile);
    if (!path) return ReportMissingLanguageFile(quiet);
    return LoadLanguageFile(*path, quiet);
}

bool CMLangApp::LoadLanguageFile(const std::wstring& path, bool quiet) {
    if (path.empty()) return true;
    const std::optional<std::string> bytes = ReadLanguageFileBytes(path);
    if (!bytes) return ReportMissingLanguageFile(quiet);
    m_langTable = ParseLanguageFile(*bytes);
    return true;
}

bool CMLangApp::ReportMissingLanguageFile(bool quiet) const {
    if (!quiet) ShowMessage(win32::WideText(MissingLanguageFileText()), MB_OK | MB_ICONEXCLAMATION);
    return false;
}

bool CMLangApp::GetLangString(uint32_t id, std::string& text) const {
    const auto it = m_langTable.find(id);
    if (it == m_langTable.end()) return false;
    text = it->second;
    return true;
}

std::string CMLangApp::LangText(uint32_t id, const char* builtinText) const {
    const std::string builtin = builtinText ? builtinText : "";
    std::string text;
    if (GetLangString(id, text) && AcceptTranslation(id, text, builtin)) return text;
    return builtin;
}

std::string CMLangApp::LangText(uint32_t id) const { return LangText(id, BuiltinText(id)); }

std::wstring CMLangApp::Text(TextId id) const { return win32::WideText(LangText(id)); }

}  // namespace morvane
