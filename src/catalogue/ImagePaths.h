// Image paths that the code page cannot spell, kept beside the store. A
// record holds its path in the code page, in 260 bytes, for the driver and
// for every older reader of the store; where the path has no such spelling
// that fits, the record holds its short form (or, without one, nothing) and
// the path as its user named it is kept here, under the entry's own name,
// with the record's field it belongs to:
//   Software\Tarnwell Incorporation\Morvane\ImagePaths
//   value: the entry's name, REG_MULTI_SZ: the record's path field, the path.
// A kept path counts only while the record's field is still the one it was
// kept with: an entry that an older version replaced under the same name
// shows its own path.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "catalogue/StoredImage.h"

namespace morvane {

constexpr const char kImagePathsKey[] = "Software\\Tarnwell Incorporation\\Morvane\\ImagePaths";

struct KeptImagePath {
    std::wstring valueName;
    std::wstring recordField;
    std::wstring path;
};

// Every kept path; none when the key does not exist.
std::vector<KeptImagePath> ReadKeptImagePaths();
// The one kept under `valueName`, if any.
std::optional<KeptImagePath> ReadKeptImagePath(const std::wstring& valueName);

// The image's path as named: the kept one when it belongs to the record's
// field, else the field itself.
std::wstring NamedImagePath(const CFileInfo& record, const KeptImagePath* kept);

// Keeps `image`'s path when its record's field does not spell it, and
// forgets any kept under its name otherwise; false when that fails.
bool KeepImagePath(const StoredImage& image);
// Forgets the path kept under `valueName`, if any.
void ForgetImagePath(const std::wstring& valueName);

}  // namespace morvane
