#include "logon/LogEntry.h"

namespace morvane {

std::string LogEntry(std::string_view timeStamp, std::string_view message) {
    std::string entry;
    entry.reserve(timeStamp.size() + message.size() + 2);
    entry.append(timeStamp).append(message);
    if (message.empty() || message.back() != '\n') entry.append("\r\n");
    return entry;
}

}  // namespace morvane
