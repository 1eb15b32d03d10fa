// Writing a record: the store at once, the catalogue and the drive table with it.
#pragma once

#include "catalogue/ImageTables.h"

namespace morvane {

// Writes an image's record back to the value it was read from, and to no
// other: false, and no value created, when that value no longer exists or the
// key cannot be opened. The catalogue entry (and, for a record marked
// mounted, the drive table) follows even a failed write; the next rebuild
// brings back what the store holds.
bool SaveFileInfo(ImageTables tables, const StoredImage& image);
// Stores a new image under its value name, creating the value, with its
// path as named kept beside the store where its record cannot spell it.
bool SaveNewFileInfo(ImageTables tables, const StoredImage& image);

}  // namespace morvane
