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

    // Puts in force the language that a setting names: the built-in texts
    // for a setting with the built-in language's mark, otherwise the file of
    // that name in the Language folder beside the plug-in. A file that is
    // missing (or a setting that is no plain file name) keeps the table and
    // answers false; unless `quiet`, a message says so.
    bool LoadLanguage(const std::wstring& langFile, bool quiet);
    // Loads the language file at `path` (relative to the current directory
    // unless absolute) in place of the whole table. An empty path loads
    // nothing and succeeds. When the file cannot be opened the table is kept,
    // the result is false and, unless `quiet`, a message says so.
    bool LoadLanguageFile(const std::wstring& path, bool quiet);
    // Copies the table's text for `id` into `text`; false, with `text`
    // untouched, when the table has none.
    virtual bool GetLangString(uint32_t id, std::string& text) const;

    // The table's text for `id`, or `builtinText` when the table has none or
    // when its text would not format with the arguments of `builtinText`; in
    // the code page, as language files and the built-in texts hold it.
    std::string LangText(uint32_t id, const char* builtinText) const;
    // The same with the identifier's own built-in text.
    std::string LangText(uint32_t id) const;
    std::string LangText(TextId id) const { return LangText(Number(id)); }
    // The same as shown, in UTF-16.
    std::wstring Text(TextId id) const;

protected:
    // Tells the user, unless `quiet`, that the language file is missing;
    // answers false, the result of such a load.
    bool ReportMissingLanguageFile(bool quiet) const;

    LangTable m_langTable;
};

}  // namespace morvane
