// Bringing back, at log-on, the drives that the last session left mounted.
#pragma once

#include "catalogue/ImageTables.h"
#include "report/Reporter.h"

namespace morvane {

// Rebuilds the catalogue from the store, mounting again every record marked
// both mounted and for restoring, and storing every other record marked
// mounted as unmounted; then makes sure of the log-on entry. False, with
// nothing done, when the store cannot be read.
bool RestoreMounts(ImageTables tables, Reporter& reporter);

}  // namespace morvane
