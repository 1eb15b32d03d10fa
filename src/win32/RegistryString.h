// When a registry value read into a fixed buffer counts as a usable string.
// Shared by every setting that is read back as text; needs no Win32 call.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace morvane {

constexpr uint32_t kRegSz = 1;
constexpr uint32_t kRegExpandSz = 2;
constexpr uint32_t kRegBinary = 3;
constexpr uint32_t kRegDword = 4;
constexpr uint32_t kRegMultiSz = 7;

// An empty value of any type counts when `emptyCounts` (the Run value); a
// REG_SZ or REG_EXPAND_SZ must end with a zero byte; a REG_MULTI_SZ with two
// (one, if it is a single byte). Everything else is no string.
inline bool IsTerminatedString(uint32_t type, const uint8_t* data, size_t size, bool emptyCounts) {
    if (size == 0) return emptyCounts;
    if (type == kRegSz || type == kRegExpandSz) return data[size - 1] == 0;
    if (type == kRegMultiSz) return data[size - 1] == 0 && (size == 1 || data[size - 2] == 0);
    return false;
}

// The text up to the first zero byte, never past `size`.
inline std::string StringUpToZero(const uint8_t* data, size_t size) {
    size_t len = 0;
    while (len < size && data[len] != 0) ++len;
    return std::string(reinterpret_cast<const char*>(data), len);
}

}  // namespace morvane
