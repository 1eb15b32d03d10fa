// A registry value of the catalogue's store read as a record, the one way
// the plug-in and every tool read one: REG_BINARY of at most 596 bytes, the
// bytes that a shorter value lacks being zero. Needs no Win32 call.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>

#include "catalogue/FileInfo.h"

namespace morvane {

constexpr uint32_t kRegBinary = 3;

// Nothing for a value of another type or a longer one.
inline std::optional<CFileInfo> RecordOfValue(uint32_t type, const void* data, size_t size) {
    if (type != kRegBinary || size > kFileInfoSize) return std::nullopt;
    CFileInfo record = EmptyFileInfo();
    std::memcpy(&record, data, size);
    return record;
}

}  // namespace morvane
