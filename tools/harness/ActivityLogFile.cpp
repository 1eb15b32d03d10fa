#include "harness/ActivityLogFile.h"

#include <windows.h>

#include "harness/FileBytes.h"
#include "harness/Plugin.h"

namespace morvane::test {

std::string ActivityLogPath() { return TestProgramDirectory() + "Morvane.log"; }

std::string ReadActivityLog() { return FileBytes(ActivityLogPath()).value_or(std::string()); }

void DeleteActivityLog() { DeleteFileA(ActivityLogPath().c_str()); }

}  // namespace morvane::test
