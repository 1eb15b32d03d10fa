// A language file's bytes as they are on disk; the reader of the format does
// the rest.
#pragma once

#include <optional>
#include <string>

namespace morvane {

// Nothing when the file cannot be opened, when it is not a regular disk file
// (a device, a pipe), or when its path does not resolve to a full path. A
// read error ends the bytes early, as the end of the file would.
std::optional<std::string> ReadLanguageFileBytes(const std::wstring& fileName);

}  // namespace morvane
