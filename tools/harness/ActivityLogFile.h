// The activity log, Morvane.log, beside the plug-in that the tests load: the
// log-on restore writes there, and so does the test program's own core, which
// runs from the same folder.
#pragma once

#include <string>

namespace morvane::test {

std::string ActivityLogPath();
// The log's bytes; empty when there is none.
std::string ReadActivityLog();
void DeleteActivityLog();

// Each test starts without a log and leaves none behind for the next.
class FreshActivityLog {
public:
    FreshActivityLog() { DeleteActivityLog(); }
    ~FreshActivityLog() { DeleteActivityLog(); }
    FreshActivityLog(const FreshActivityLog&) = delete;
    FreshActivityLog& operator=(const FreshActivityLog&) = delete;
};

}  // namespace morvane::test
