// The product version in a module's version resource.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace morvane::win32 {

struct ProductVersion {
    uint16_t major, minor, patch, build;
};

// Nothing when the file has no version resource or it cannot be read.
std::optional<ProductVersion> ReadProductVersion(const std::wstring& moduleFile);

}  // namespace morvane::win32
