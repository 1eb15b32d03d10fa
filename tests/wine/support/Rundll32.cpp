#include "support/Rundll32.h"

#include <gtest/gtest.h>

#include "harness/Plugin.h"

namespace morvane::test {

std::string LogonCommandLine(const std::string& pluginPath) {
    return "rundll32 \"" + pluginPath + "\",MountAfterReboot";
}

ChildRun RunLogonRestore(DWORD timeoutMs) {
    ChildProcess process(LogonCommandLine(TestPluginPath()));
    return process.Wait(timeoutMs);
}

void RunQuietLogonRestore() {
    const ChildRun run = RunLogonRestore();
    ASSERT_TRUE(run.started) << "error " << run.startError;
    EXPECT_TRUE(run.finished) << "still running: waiting for someone?";
    for (const SeenDialog& dialog : run.dialogs) ADD_FAILURE() << "asked: " << dialog.text;
}

}  // namespace morvane::test
