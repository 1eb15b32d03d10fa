#include "lang/MLangApp.h"

#include "lang/BuiltinTexts.h"

namespace morvane {

bool CMLangApp::LoadLanguage(const std::string&, bool) {
    // Language files are not read yet: nothing was loaded.
    return false;
}

bool CMLangApp::GetLangString(uint32_t id, std::string& text) const {
    const auto it = m_langTable.find(id);
    if (it == m_langTable.end()) return false;
    text = it->second;
    return true;
}

std::string CMLangApp::LangText(uint32_t id, const char* builtinText) const {
    std::string text;
    return GetLangString(id, text) ? text : std::string(builtinText);
}

std::string CMLangApp::LangText(uint32_t id) const {
    const char* builtin = BuiltinText(id);
    return LangText(id, builtin ? builtin : "");
}

}  // namespace morvane
