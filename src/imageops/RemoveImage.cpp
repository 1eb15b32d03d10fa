// Unregistering an image: its catalogue entry and registry value go, the image
// file stays. A mounted image is unmounted first, with the user's consent.
#include "catalogue/StoreKey.h"
#include "lang/TextFormat.h"
#include "plugin/MorvaneApp.h"
#include "win32/RegKey.h"

namespace morvane {
namespace {

constexpr uint32_t kUnmountBeforeRemovalText = 1008;

}  // namespace

int CMorvaneApp::RemoveImage(const std::string& remoteName) {
    StoredImage image;
    if (!FindImage(remoteName, image)) return kRemoveNoEntry;
    CFileInfo& record = image.record;

    if (record.mounted) {
        // The question names the image by its full path, not by its display name.
        const std::string question = FormatText(LangText(kUnmountBeforeRemovalText),
                                                {TextArg(ImagePathOf(record)), TextArg(DisplayLetter(record.driveLetter))});
        if (ShowMessage(question, MB_YESNO | MB_ICONEXCLAMATION) == IDNO) return kRemoveKept;
        if (!UnmountImage(record, image.valueName)) return kRemoveKept;
        SetDriveName(record.driveLetter, std::string());
    }

    m_catalogue.Remove(CatalogueKey(image.valueName));
    win32::RegKey store;
    if (store.Create(HKEY_CURRENT_USER, kFilesListKey, KEY_READ | KEY_WRITE) != ERROR_SUCCESS) return kRemoveKept;
    // The value the entry was read from, whatever its record's name field
    // says: a damaged record naming another image must not take its value.
    return store.DeleteValue(image.valueName.c_str()) == ERROR_SUCCESS ? kRemoveDone : kRemoveKept;
}

}  // namespace morvane
