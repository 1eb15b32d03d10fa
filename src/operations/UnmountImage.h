// Unmounting a catalogued image: the drive detached, and the record's new
// state stored at once.
#pragma once

#include "catalogue/ImageTables.h"
#include "report/Reporter.h"

namespace morvane {

// Unmounts the record's drive, by force only on an explicit Yes to the
// question about open files. Nothing is detached, and the user is told so,
// unless the driver confirms that the letter serves the record's image. On
// success the record is marked unmounted, its letter's drive-table entry
// cleared and the record saved.
bool UnmountImage(ImageTables tables, Reporter& reporter, StoredImage& image);

}  // namespace morvane
