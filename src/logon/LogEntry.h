// The activity log written during the log-on restore: one entry per failure,
// a local time stamp, a tab and the message as it would have been shown.
#pragma once

#include <string>
#include <string_view>

namespace morvane {

constexpr const char kLogFileName[] = "Morvane.log";
constexpr const char kLogTimeStampPattern[] = "%d.%m.%Y %H:%M:%S\t";

// The bytes of one entry. It always ends with a line break, so that the next
// entry starts on a line of its own: the system's texts bring their own CR LF,
// the special texts do not.
std::string LogEntry(std::string_view timeStamp, std::string_view message);

}  // namespace morvane
