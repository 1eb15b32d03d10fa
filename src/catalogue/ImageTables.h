// The catalogue and the drive table, which every operation on images keeps
// in step with the store.
#pragma once

#include <vector>

#include "catalogue/Catalogue.h"
#include "catalogue/DriveTable.h"
#include "catalogue/StoredImage.h"

namespace morvane {

struct ImageTables {
    Catalogue& catalogue;
    DriveTable& drives;
    // Emptied after each reading of the store but kept, with its memory, for
    // the next one.
    std::vector<StoredImage>& storeReading;
};

}  // namespace morvane
