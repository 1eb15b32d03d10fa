// Rebuilding the catalogue from the registry store and confirming, through
// the driver, which images are mounted where.
#include "catalogue/StoreSnapshot.h"
#include "drive/Driver.h"
#include "drive/ImageInfo.h"
#include "drive/KernelPath.h"
#include "plugin/MorvaneApp.h"
#include "win32/AnsiText.h"

namespace morvane {
namespace {

// Whether the driver says that `letter` serves the record's image file.
bool DriverConfirmsMount(const CFileInfo& record) {
    if (!IsDriveLetter(record.driveLetter)) return false;
    uint8_t answer[kQueryAnswerSize] = {};
    size_t returned = 0;
    if (DriverQuery(record.driveLetter, answer, &returned) != 0) return false;
    return AnswerNamesImage(answer, returned, KernelImagePath(ImagePathOf(record)));
}

}  // namespace

bool CMorvaneApp::RebuildFromStore(const std::function<void(StoredImage& image)>& visit) {
    std::optional<std::vector<StoredImage>> images = ReadStoreSnapshot();
    if (!images) return false;

    m_catalogue.Clear();
    ClearDriveNames();
    for (StoredImage& image : *images) {
        visit(image);
        m_catalogue.Set(CatalogueKey(image.valueName), image);
    }
    EnsureAutorunEntry();
    return true;
}

bool CMorvaneApp::RefreshCatalogue() {
    // The mounted flag stays as stored even when the driver disagrees: only
    // the user or the log-on restore corrects it.
    return RebuildFromStore([this](StoredImage& image) {
        if (image.record.mounted && DriverConfirmsMount(image.record))
            SetDriveName(image.record.driveLetter, image.valueName);
    });
}

bool CMorvaneApp::FindImage(std::string_view name, StoredImage& image) const {
    const std::string displayName = win32::AfterLastBackslash(name);
    if (const StoredImage* found = m_catalogue.Find(CatalogueKey(displayName))) {
        image = *found;
        return true;
    }
    // The refresh may have missed a value that another process was changing
    // while it read the store: the store itself has the last word.
    return ReadStoredImage(displayName, image);
}

}  // namespace morvane
