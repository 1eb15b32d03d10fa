// What may be registered as an image: a regular file, named exactly.
#pragma once

#include <string>

#include "catalogue/FileInfo.h"

namespace morvane {

// The directory entry of the regular file that `localPath` names, as the
// system's file search reports it; false for a missing file, a directory, a
// device (NUL, CON, COM1...), a wildcard pattern, or a path that the system
// would take for another file (a trailing full stop or blank). `out` is only
// written on success.
bool ReadImageFileEntry(const std::string& localPath, FindData& out);

}  // namespace morvane
