// The catalogue and the drive table, which every operation on images keeps
// in step with the store.
#pragma once

#include "catalogue/Catalogue.h"
#include "catalogue/DriveTable.h"

namespace morvane {

struct ImageTables {
    Catalogue& catalogue;
    DriveTable& drives;
};

}  // namespace morvane
