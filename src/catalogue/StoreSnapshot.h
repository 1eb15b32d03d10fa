// The records of the catalogue's registry key, read all at once before
// anything is done with them: other processes (the file manager, the log-on
// restore) add and delete values at any time, and a slow reader that walks
// the key by index while mounting or listing would skip records.
#pragma once

#include <string>
#include <vector>

#include "catalogue/StoredImage.h"

namespace morvane {

// Fills `images` with every REG_BINARY value of at most 596 bytes whose name
// the plug-in can address (see IsAddressableValueName), in the registry's
// enumeration order, with its image's path as named (see ImagePaths.h); a
// shorter value is a record whose remaining bytes are zero. False, with `images` empty, when the key cannot be opened
// or queried. The vector's memory is used again: a caller that keeps it between readings spares the system faulting in
// fresh pages for every record.
bool ReadStoreSnapshot(std::vector<StoredImage>& images);

// The record stored under exactly `valueName` (any case), looked up by name
// rather than by index; false when there is no such record.
bool ReadStoredImage(const std::wstring& valueName, StoredImage& image);

}  // namespace morvane
