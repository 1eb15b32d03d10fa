// Application base that holds the language string table: every text shown to
// the user is looked up here by its identifier, with a built-in fallback.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "win32/WinApp.h"

namespace morvane {

using LangTable = std::map<uint32_t, std::string>;

class CMLangApp : public win32::CWinApp {
public:
    CMLangApp() = default;

    // Loads the language file at `fileName` into the table; `quiet` keeps the
    // missing-file message from showing.
    virtual bool LoadLanguage(const std::string& fileName, bool quiet);
    virtual bool GetLangString(uint32_t id, std::string& text) const;

    // The table's text for `id`, or `builtinText` when the table has none.
    std::string LangText(uint32_t id, const char* builtinText) const;
    // The same with the identifier's own built-in text.
    std::string LangText(uint32_t id) const;

protected:
    LangTable m_langTable;
};

}  // namespace morvane
