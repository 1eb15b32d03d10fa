#include "catalogue/RebuildCatalogue.h"

#include <string>
#include <utility>

#include "catalogue/CatalogueKey.h"
#include "catalogue/EntryName.h"
#include "catalogue/StoreSnapshot.h"

namespace morvane {

bool RebuildCatalogue(ImageTables tables, const std::function<void(StoredImage& image)>& visit) {
    // Borrowed rather than shared: a rebuild started from within a visit
    // would read into a vector of its own instead of the one being walked.
    std::vector<StoredImage> images = std::move(tables.storeReading);
    if (!ReadStoreSnapshot(images)) {
        tables.storeReading = std::move(images);
        return false;
    }
    tables.catalogue.Clear();
    tables.drives.Clear();
    tables.catalogue.Reserve(images.size());
    for (StoredImage& image : images) {
        visit(image);
        std::string key = CatalogueKey(image.valueName);
        tables.catalogue.Set(std::move(key), std::move(image));
    }
    images.clear();
    tables.storeReading = std::move(images);
    return true;
}

bool FindImage(const Catalogue& catalogue, std::wstring_view name, StoredImage& image) {
    const std::optional<std::wstring> entryName = EntryNameOf(name);
    if (!entryName) return false;
    const std::wstring& displayName = *entryName;
    if (const StoredImage* found = catalogue.Find(CatalogueKey(displayName))) {
        image = *found;
        return true;
    }
    // The refresh may have missed a value that another process was changing
    // while it read the store: the store itself has the last word.
    return ReadStoredImage(displayName, image);
}

}  // namespace morvane
