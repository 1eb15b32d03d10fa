// A catalogue record together with the name of the registry value that holds
// it. A damaged or foreign record may name another image in its own name
// field, so every write goes to the value the record came from.
#pragma once

#include <string>

#include "catalogue/FileInfo.h"

namespace morvane {

struct StoredImage {
    std::string valueName;
    CFileInfo record;
};

}  // namespace morvane
