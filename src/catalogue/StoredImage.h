// A catalogue record together with the name of the registry value that holds
// it, and the image's path as its user named it. A damaged or foreign record
// may name another image in its own name field, so every write goes to the
// value the record came from.
#pragma once

#include <string>

#include "catalogue/FileInfo.h"

namespace morvane {

struct StoredImage {
    // The entry's name as the user gave it: the registry value's own name,
    // in UTF-16 like every value name.
    std::wstring valueName;
    CFileInfo record;
    // The image file's full path as its user named it. The record's own
    // field holds it in the code page where the code page can spell it; a
    // path it cannot spell is kept beside the store (see ImagePaths.h), and
    // the field holds the path's short form, which opens the same file.
    std::wstring imagePath;
};

}  // namespace morvane
