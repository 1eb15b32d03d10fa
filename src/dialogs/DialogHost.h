// What the plug-in's dialogs use of the plug-in: its texts and message boxes,
// the catalogue and the drives it knows mounted, mounting and unmounting, the
// language setting and the version. The application object implements it;
// the dialogs see nothing else of it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "catalogue/StoredImage.h"
#include "lang/TextIds.h"

namespace morvane {

class DialogHost {
public:
    // The text of `id` in the language in force, else its built-in text.
    virtual std::string Text(TextId id) const = 0;
    // The language table's own text of `id`; false, `text` untouched, when
    // the table has none.
    virtual bool GetLangString(uint32_t id, std::string& text) const = 0;
    // A modal message box of the given MB_* type, captioned with the
    // plug-in's title; the button pressed, 0 when it could not be shown.
    virtual int ShowMessage(const std::string& text, UINT type) const = 0;

    // The catalogue rebuilt from the store, with the mounts the driver confirms.
    virtual bool RefreshCatalogue() = 0;
    // The entry that the file manager's `hostName` addresses.
    virtual bool FindImage(std::string_view hostName, StoredImage& image) const = 0;
    // Writes `record` back to the registry value `valueName`.
    virtual bool SaveFileInfo(const CFileInfo& record, const std::string& valueName) = 0;
    // The display name of the catalogued image mounted on `letter`, or empty.
    virtual const std::string& DriveName(char letter) const = 0;
    // Each reports its own failures; on success the record's new state is stored.
    virtual bool MountImage(CFileInfo& record, const std::string& valueName) = 0;
    virtual bool UnmountImage(CFileInfo& record, const std::string& valueName) = 0;

    // The stored language choice: a language file's name, or the built-in
    // language's entry.
    virtual std::string LanguageSetting() const = 0;
    // Stores the choice and puts it in force; a file gone meanwhile is
    // reported, and the language in force stays.
    virtual void ChooseLanguage(const std::string& langFile) = 0;
    // "1.0.0 Final (build 300)"; empty when the version resource cannot be read.
    virtual std::string GetVersionString() const = 0;

protected:
    ~DialogHost() = default;
};

}  // namespace morvane
