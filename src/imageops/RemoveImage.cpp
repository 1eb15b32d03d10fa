// Unregistering an image: its catalogue entry and registry value go, the image
// file stays. A mounted image is unmounted first, with the user's consent.
#include <cstdio>

#include "catalogue/StoreKey.h"
#include "plugin/MorvaneApp.h"
#include "win32/AnsiText.h"
#include "win32/RegKey.h"

namespace morvane {
namespace {

constexpr uint32_t kUnmountBeforeRemovalText = 1008;

// The question names the image by its full path, not by its display name.
std::string UnmountQuestion(const std::string& pattern, const CFileInfo& record) {
    const std::string path = ImagePathOf(record);
    const int needed = std::snprintf(nullptr, 0, pattern.c_str(), path.c_str(), record.driveLetter);
    if (needed < 0) return pattern;
    std::string text(static_cast<size_t>(needed) + 1, '\0');
    std::snprintf(text.data(), text.size(), pattern.c_str(), path.c_str(), record.driveLetter);
    text.resize(static_cast<size_t>(needed));
    return text;
}

}  // namespace

int CMorvaneApp::RemoveImage(const std::string& remoteName) {
    CFileInfo record;
    if (!FindImage(remoteName, record)) return kRemoveNoEntry;

    if (record.mounted) {
        const std::string question = UnmountQuestion(LangText(kUnmountBeforeRemovalText), record);
        if (ShowMessage(question, MB_YESNO | MB_ICONEXCLAMATION) == IDNO) return kRemoveKept;
        if (!UnmountImage(record)) return kRemoveKept;
        SetDriveName(record.driveLetter, std::string());
    }

    // The key the entry was found under, rather than the record's name field:
    // a damaged record naming another image must not take that image's value.
    const std::string key = CatalogueKey(win32::AfterLastBackslash(remoteName));
    m_catalogue.Remove(key);

    win32::RegKey store;
    if (store.Create(HKEY_CURRENT_USER, kFilesListKey, KEY_READ | KEY_WRITE) != ERROR_SUCCESS) return kRemoveKept;
    // Value names compare without regard to case: this deletes the value in
    // whatever case it was saved.
    return store.DeleteValue(key.c_str()) == ERROR_SUCCESS ? kRemoveDone : kRemoveKept;
}

}  // namespace morvane
