// The activity log of the unattended log-on restore: Morvane.log beside the
// plug-in's own file, one time-stamped entry per failure.
#pragma once

#include <string>

namespace morvane {

// Appends one entry, in the code page as the log has always held them (a
// character the code page cannot spell reads '?'); a log that cannot be
// opened, or a plug-in that cannot tell its own folder, loses it silently.
void AppendToActivityLog(const std::wstring& message);

}  // namespace morvane
