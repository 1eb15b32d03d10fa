#include "drive/RefreshCatalogue.h"

#include "catalogue/RebuildCatalogue.h"
#include "drive/AutorunEntry.h"
#include "drive/Driver.h"
#include "drive/ImageInfo.h"
#include "drive/KernelPath.h"

namespace morvane {
namespace {

// Whether the driver says that the record's letter serves its image file.
bool DriverConfirmsMount(const CFileInfo& record) {
    if (!IsDriveLetter(record.driveLetter)) return false;
    uint8_t answer[kQueryAnswerSize] = {};
    size_t returned = 0;
    if (DriverQuery(record.driveLetter, answer, &returned) != 0) return false;
    return AnswerNamesImage(answer, returned, KernelImagePath(ImagePathOf(record)));
}

}  // namespace

bool RefreshCatalogue(ImageTables tables) {
    const bool read = RebuildCatalogue(tables, [&tables](StoredImage& image) {
        if (image.record.mounted && DriverConfirmsMount(image.record))
            tables.drives.Set(image.record.driveLetter, image.valueName);
    });
    if (read) EnsureAutorunEntry();
    return read;
}

}  // namespace morvane
