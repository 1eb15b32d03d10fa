// Rebuilding the catalogue from the registry store and confirming, through
// the driver, which images are mounted where.
#include "catalogue/StoreEnumerator.h"
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

bool CMorvaneApp::RebuildFromStore(
    const std::function<void(const std::string& valueName, CFileInfo& record)>& visit) {
    StoreEnumerator store;
    if (store.Open() != ERROR_SUCCESS) return false;

    m_catalogue.Clear();
    ClearDriveNames();

    std::string valueName;
    CFileInfo record;
    while (store.Next(valueName, record)) {
        visit(valueName, record);
        m_catalogue.Set(CatalogueKey(valueName), record);
    }
    EnsureAutorunEntry();
    return true;
}

bool CMorvaneApp::RefreshCatalogue() {
    // The mounted flag stays as stored even when the driver disagrees: only
    // the user or the log-on restore corrects it.
    return RebuildFromStore([this](const std::string& valueName, CFileInfo& record) {
        if (record.mounted && DriverConfirmsMount(record)) SetDriveName(record.driveLetter, valueName);
    });
}

bool CMorvaneApp::FindImage(std::string_view name, CFileInfo& record) const {
    const CFileInfo* found = m_catalogue.Find(CatalogueKey(win32::AfterLastBackslash(name)));
    if (!found) return false;
    record = *found;
    return true;
}

}  // namespace morvane
