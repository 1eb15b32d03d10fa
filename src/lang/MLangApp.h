// Application base that holds the language string table: every text shown to
// the user is looked up here by its identifier, with a built-in fallback.
#pragma once

#include <cstdint>
#include <string>

#include "lang/LangTable.h"
#include "lang/TextIds.h"
#include "win32/WinApp.h"

namespace morvane {

class CMLangApp : public win32::CWinApp {
public:
    CMLangApp() = default;

    // Loads the language file at `fileName` (relative to the current
    // directory unless absolute) in place of the whole table. An empty name
    // loads nothing and succeeds. When the file cannot be opened the table is
    // kept, the result is false and, unless `quiet`, a message says so.
    virtual bool LoadLanguage(const std::string& fileName, bool quiet);
    // Copies the table's text for `id` into `text`; false, with `text`
    // untouched, when the table has none.
    virtual bool GetLangString(uint32_t id, std::string& text) const;

    // The table's text for `id`, or `builtinText` when the table has none or
    // when its text would not format with the arguments of `builtinText`.
    std::string LangText(uint32_t id, const char* builtinText) const;
    // The same with the identifier's own built-in text.
    std::string LangText(uint32_t id) const;
    std::string LangText(TextId id) const { return LangText(Number(id)); }

protected:
    // Tells the user, unless `quiet`, that the language file is missing;
    // answers false, the result of such a load.
    bool ReportMissingLanguageFile(bool quiet) const;

    LangTable m_langTable;
};

}  // namespace morvane
