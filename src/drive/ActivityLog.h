// The activity log of the unattended log-on restore: Morvane.log beside the
// plug-in's own file, one time-stamped entry per failure.
#pragma once

#include <string>

namespace morvane {

// Appends one entry; a log that cannot be opened, or a plug-in that cannot
// tell its own folder, loses it silently.
void AppendToActivityLog(const std::string& message);

}  // namespace morvane
