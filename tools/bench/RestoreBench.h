// The log-on restore of records left mounted and marked for restoring,
// through the stand-in driver: the Run-key command line run by rundll32 as
// the log-on starts it, and the export called in this process.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace morvane::bench {

struct RestoreRuns {
    size_t records = 0;
    std::vector<double> rundll32Ms;
    std::vector<double> inProcessMs;
    // After the last run: records mounted again, and records corrected to
    // unmounted because their drive could not come back.
    size_t mounted = 0;
    size_t corrected = 0;
    // The exact command line of the Run-key value.
    std::string commandLine;
};

// False, with the reason in `why`, when the driver does not run, the Run-key
// value is missing or rundll32 does not start or end.
bool MeasureRestore(size_t records, int runs, RestoreRuns& result, std::string& why);

}  // namespace morvane::bench
