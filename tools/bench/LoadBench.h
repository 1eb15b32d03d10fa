// Loading the plug-in as the file manager does (LoadLibrary, then FsInit),
// against loading a DLL with nothing in it.
#pragma once

#include <string>
#include <vector>

namespace morvane::bench {

struct LoadRuns {
    // Paired runs, in the same order.
    std::vector<double> pluginMs;
    std::vector<double> emptyMs;
};

// The DLLs the plug-in imports stay loaded throughout, as they are in the
// file manager's process; each run loads and frees the two files afresh.
// False, with the reason in `why`, when a file does not load or does not go
// away when freed (a second load would then only count a reference).
bool MeasureLoad(const std::string& pluginPath, const std::string& emptyPath, int runs, LoadRuns& result,
                 std::string& why);

}  // namespace morvane::bench
