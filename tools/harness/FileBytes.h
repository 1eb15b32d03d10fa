// Whole files in a test: read, written or copied in one go.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace morvane::test {

// The whole file, or none when it cannot be opened.
std::optional<std::string> FileBytes(const std::string& path);

// Creates or replaces the file with exactly these bytes, making the folders
// above it up to an existing one.
bool WriteFileBytes(const std::string& path, std::string_view bytes);

// Copies the file over any earlier one, making the folders above the copy.
bool CopyFileTo(const std::string& from, const std::string& to);

}  // namespace morvane::test
