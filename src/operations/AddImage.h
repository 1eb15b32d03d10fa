// Registering an image file: a record that points at the file, with defaults
// by extension and size. The file itself is only looked at, never touched.
#pragma once

#include <string>

#include "catalogue/ImageTables.h"
#include "report/Reporter.h"

namespace morvane {

enum class AddResult {
    Added,         // stored under the display name of the remote name
    NoImageFile,   // the local path names no regular file
    BelowTheRoot,  // a name in a folder of the folder, which has none
    NameRefused,   // an empty name, or one too long to list
    Declined,      // an entry of that name is mounted, and the user kept it so
    NotStored,     // the entry of that name could not be replaced, or the store not written
};

// Registers `localPath` under `remoteName`; on anything but Added nothing new
// is stored.
AddResult AddImage(ImageTables tables, Reporter& reporter, const std::wstring& localPath,
                   const std::wstring& remoteName);

}  // namespace morvane
