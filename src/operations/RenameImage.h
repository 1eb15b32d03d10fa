// Renaming an entry: its value, its record's name field and, while it is
// mounted, the drive table take the new name. The image file is never touched.
#pragma once

#include <string>

#include "catalogue/ImageTables.h"
#include "report/Reporter.h"

namespace morvane {

enum class RenameResult {
    Done,
    // No entry has the old name, or either name has a folder part.
    NotFound,
    // Another entry has the new name, and overwriting was not asked for.
    Exists,
    // The new name cannot be an entry's, the entry of the new name stays
    // (its unmount was declined or failed), or the store could not be
    // written; the old entry is as it was.
    Failed,
};

// `oldName` and `newName` are the file manager's names ("\name"). A new
// name that differs only in case changes the case. With `overwrite`, another
// entry of the new name is removed first, as deleting it would.
RenameResult RenameImage(ImageTables tables, Reporter& reporter, const std::wstring& oldName,
                         const std::wstring& newName, bool overwrite);

}  // namespace morvane
