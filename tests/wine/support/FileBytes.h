// Reading a whole file in a test.
#pragma once

#include <optional>
#include <string>

namespace morvane::test {

// The whole file, or none when it cannot be opened.
std::optional<std::string> FileBytes(const std::string& path);

}  // namespace morvane::test
