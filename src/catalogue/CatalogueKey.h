// The key of a display name in the catalogue: the name in lower case by the
// code page's own mapping, so that names differing only in case are one entry.
#pragma once

#include <string>
#include <string_view>

namespace morvane {

std::string CatalogueKey(std::string_view displayName);

}  // namespace morvane
