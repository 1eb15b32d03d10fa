#include "logon/TimeStamp.h"

#include <ctime>

namespace morvane {

std::string FormatTimeStamp(int64_t time, const char* pattern) {
    const std::time_t t = static_cast<std::time_t>(time);
    if (static_cast<int64_t>(t) != time) return std::string();
    std::tm local{};
#ifdef _WIN32
    if (localtime_s(&local, &t) != 0) return std::string();
#else
    if (localtime_r(&t, &local) == nullptr) return std::string();
#endif
    char buffer[kTimeStampBufferSize];
    // strftime answers 0 when the result does not fit; the buffer is then
    // undefined and must not be read.
    const size_t length = std::strftime(buffer, sizeof buffer, pattern, &local);
    return std::string(buffer, length);
}

}  // namespace morvane
