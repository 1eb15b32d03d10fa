// Registering an image file: a record that points at the file, with defaults
// by extension and size. The file itself is only looked at, never touched.
#pragma once

#include <string>

#include "catalogue/ImageTables.h"
#include "report/Reporter.h"

namespace morvane {

// True when the record was stored under the display name of `remoteName`.
// False, with nothing new stored, for what is no image file, for a name
// below the folder's root or too long to list, and when an entry of that name
// is mounted and stays so.
bool AddImage(ImageTables tables, Reporter& reporter, const std::wstring& localPath, const std::wstring& remoteName);

}  // namespace morvane
