// Unregistering an image: its catalogue entry and registry value go, the image
// file stays. A mounted image is unmounted first, with the user's consent.
#pragma once

#include <string>

#include "catalogue/ImageTables.h"
#include "report/Reporter.h"

namespace morvane {

enum RemoveResult : int {
    kRemoveNoEntry = 0,   // no entry has that name; nothing changed
    kRemoveDone = 1,      // the entry and its value are gone
    kRemoveKept = 2,      // kept or only partly removed: unmount failed, value not deleted
    kRemoveDeclined = 3,  // kept: the user did not agree to unmount it
};

// `remoteName` is the file manager's name of the entry.
RemoveResult RemoveImage(ImageTables tables, Reporter& reporter, const std::wstring& remoteName);

}  // namespace morvane
