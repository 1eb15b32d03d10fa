// Writing a record: the store at once, the catalogue and the drive table with it.
#pragma once

#include <string>

#include "catalogue/ImageTables.h"

namespace morvane {

// Writes a record back to the value it was read from, and to no other:
// false, and no value created, when that value no longer exists or the key
// cannot be opened. The catalogue entry (and, for a record marked mounted,
// the drive table) follows even a failed write; the next rebuild brings
// back what the store holds.
bool SaveFileInfo(ImageTables tables, const CFileInfo& record, const std::string& valueName);

// Stores a new record under its display name, creating the value.
bool SaveNewFileInfo(ImageTables tables, const CFileInfo& record);

}  // namespace morvane
