// The test program links the plug-in's core, application object included, to
// call its operations directly. This is that object of the test program's
// own: a plug-in that a test loads has another one inside it.
#pragma once

#include <string>

#include "harness/StoredRecords.h"
#include "plugin/MorvaneApp.h"
#include "win32/AnsiText.h"

namespace morvane::test {

inline CMorvaneApp& ProgramApp() { return morvane::App(); }

// A record as the core's operations take it, named `valueName`, its path
// as its own field spells it; both in the code page, as the tests write them.
inline StoredImage ImageOf(const CFileInfo& record, const std::string& valueName) {
    return StoredImage{win32::WideText(valueName), record, win32::WideText(ImagePathOf(record))};
}

// The record stored under its name field's name, as the plug-in stores a new
// one, and the core's catalogue read again.
inline bool SaveNewRecord(const CFileInfo& record) {
    return StoreRecord(DisplayNameOf(record), record) == ERROR_SUCCESS && ProgramApp().RefreshCatalogue();
}

// The core's operations on such a record, under `valueName`; the record
// takes what the operation made of it.
inline bool MountRecord(CFileInfo& record, const std::string& valueName) {
    StoredImage image = ImageOf(record, valueName);
    const bool mounted = ProgramApp().MountImage(image);
    record = image.record;
    return mounted;
}
inline bool UnmountRecord(CFileInfo& record, const std::string& valueName) {
    StoredImage image = ImageOf(record, valueName);
    const bool unmounted = ProgramApp().UnmountImage(image);
    record = image.record;
    return unmounted;
}
// The core's language calls with the names in the code page.
inline bool LoadLanguageFile(const std::string& path, bool quiet) {
    return ProgramApp().LoadLanguageFile(win32::WideText(path), quiet);
}
inline bool LoadLanguage(const std::string& setting, bool quiet) {
    return ProgramApp().LoadLanguage(win32::WideText(setting), quiet);
}
inline void ChooseLanguage(const std::string& langFile) { ProgramApp().ChooseLanguage(win32::WideText(langFile)); }
inline std::string LanguageSetting() { return win32::AnsiText(ProgramApp().LanguageSetting()); }

// The drive table's name for `letter`, in the code page.
inline std::string DriveNameOf(char letter) { return win32::AnsiText(ProgramApp().DriveName(letter)); }

}  // namespace morvane::test
