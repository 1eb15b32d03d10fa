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
    virtual std::wstring Text(TextId id) const = 0;
    // The language table's own text of `id`; false, `text` untouched, when
    // the table has none.
    virtual bool GetLangString(uint32_t id, std::string& text) const = 0;
    // A modal message box of the given MB_* type, captioned with the
    // plug-in's title; the button pressed, 0 when it could not be shown.
    virtual int ShowMessage(const std::wstring& text, UINT type) const = 0;

    // The catalogue rebuilt from the store, with the mounts the driver confirms.
    virtual bool RefreshCatalogue() = 0;
    // The entry that the file manager's `hostName` addresses.
    virtual bool FindImage(std::wstring_view hostName, StoredImage& image) const = 0;
    // Writes the image's record back to the registry value it came from.
    virtual bool SaveFileInfo(const StoredImage& image) = 0;
    // The value name of the catalogued image mounted on `letter`, or empty.
    virtual const std::wstring& DriveName(char letter) const = 0;
    // Each reports its own failures (see MountImage and UnmountImage); on
    // success the record's new state is stored.
    virtual bool MountImage(StoredImage& image) = 0;
    virtual bool UnmountImage(StoredImage& image) = 0;

    // The stored language choice: a language file's name, or the built-in
    // language's entry.
    virtual std::wstring LanguageSetting() const = 0;
    // Stores the choice and puts it in force; a file gone meanwhile is
    // reported, and the language in force stays.
    virtual void ChooseLanguage(const std::wstring& langFile) = 0;
    // "1.0.0 Final (build 300)"; empty when the version resource cannot be read.
    virtual std::string GetVersionString() const = 0;

protected:
    ~DialogHost() = default;
};

}  // namespace morvane
