// The name under which the folder's listing hands an entry to the file
// manager, and so the name by which the file manager asks about it again.
#pragma once

#include <string_view>

#include "catalogue/StoredImage.h"

namespace morvane {

// The record's own name field (up to its terminator) when it spells the
// value's name in any case; otherwise the value's name: a record whose
// name field names another image is reached by its value alone. A view into
// `image`.
std::string_view ListedNameOf(const StoredImage& image);

}  // namespace morvane
