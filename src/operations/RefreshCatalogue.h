// The catalogue as every listing, copy, delete and open begins with it.
#pragma once

#include "catalogue/ImageTables.h"

namespace morvane {

// Rebuilds the catalogue from the store and fills the drive table with the
// mounts the driver confirms; then makes sure of the log-on entry. It only
// reads: a mark the driver contradicts stays in the record, and the drive
// table is what tells the truth. False, with nothing changed, when the store
// cannot be read.
bool RefreshCatalogue(ImageTables tables);

}  // namespace morvane
