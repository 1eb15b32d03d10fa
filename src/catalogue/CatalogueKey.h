// The key of a display name in the catalogue, so that names differing only
// in case are one entry, as they are one registry value.
#pragma once

#include <string>
#include <string_view>

namespace morvane {

// A name the code page spells: the spelling in lower case by the code page's
// own mapping, the key every catalogue had, whose bytes decide the listing
// order. Any other name: a backslash, which no such key holds, then the name
// in lower case in UTF-8.
std::string CatalogueKey(std::wstring_view displayName);

}  // namespace morvane
