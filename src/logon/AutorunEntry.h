// The Run-key value that starts the log-on restore.
#pragma once

namespace morvane {

// Writes the value when it is missing or unreadable as a string; a value that
// is present stays, even when it names another path. Reports nothing.
void EnsureAutorunEntry();

}  // namespace morvane
