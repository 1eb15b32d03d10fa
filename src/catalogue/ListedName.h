// The name under which the folder's listing hands an entry to the file
// manager, and so the name by which the file manager asks about it again.
#pragma once

#include <string>

#include "catalogue/StoredImage.h"

namespace morvane {

// The record's own name field when it spells the value's name in any case
// (the registry keeps a value name's first case, the field that of the last
// save); otherwise the value's name: a name the code page cannot spell, or a
// record whose name field names another image, which is reached by its value
// alone.
std::wstring ListedNameOf(const StoredImage& image);

}  // namespace morvane
