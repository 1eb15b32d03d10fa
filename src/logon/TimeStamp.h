// Local time stamps of the activity log.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace morvane {

constexpr size_t kTimeStampBufferSize = 128;

// `time` (seconds since 1970) in local time, formatted by the strftime rules
// of `pattern`. Empty when the time cannot be converted or the result does
// not fit into kTimeStampBufferSize bytes with its terminator.
std::string FormatTimeStamp(int64_t time, const char* pattern);

}  // namespace morvane
