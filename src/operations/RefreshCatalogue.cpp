#include "operations/RefreshCatalogue.h"

#include "catalogue/RebuildCatalogue.h"
#include "driver/DriverServesImage.h"
#include "logon/AutorunEntry.h"

namespace morvane {

bool RefreshCatalogue(ImageTables tables) {
    const bool read = RebuildCatalogue(tables, [&tables](StoredImage& image) {
        if (image.record.mounted && DriverConfirmsMount(image.record))
            tables.drives.Set(image.record.driveLetter, image.valueName);
    });
    if (read) EnsureAutorunEntry();
    return read;
}

}  // namespace morvane
