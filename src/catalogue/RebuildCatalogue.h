// The catalogue in memory, rebuilt from the store and looked up by the names
// the file manager uses.
#pragma once

#include <functional>
#include <string_view>

#include "catalogue/ImageTables.h"
#include "catalogue/StoredImage.h"

namespace morvane {

// Empties the catalogue and the drive table and fills them again from a
// snapshot of the store, letting `visit` settle each record before it is
// entered. False, with nothing changed, when the store cannot be read.
bool RebuildCatalogue(ImageTables tables, const std::function<void(StoredImage& image)>& visit);

// The entry a host name addresses (see EntryNameOf), in any case: from the
// catalogue, or from the store when the catalogue lacks it. `image` is only
// written on success.
bool FindImage(const Catalogue& catalogue, std::wstring_view name, StoredImage& image);

}  // namespace morvane
