#include "catalogue/CatalogueKey.h"

#include "win32/AnsiText.h"

namespace morvane {

std::string CatalogueKey(std::string_view displayName) { return win32::AnsiLowerCase(displayName); }

}  // namespace morvane
