// Starts the log-on restore the way the system's log-on starter does: the
// Run-key command line handed to CreateProcessA exactly as it stands. (Wine's
// rundll32 exits 0 even when the file or entry is missing, so tests judge by
// effects: the registry, the drives, the log.)
#pragma once

#include <windows.h>

#include <string>

#include "harness/ChildProcess.h"

namespace morvane::test {

// rundll32 "<plug-in path>",MountAfterReboot
std::string LogonCommandLine(const std::string& pluginPath);

// Runs the log-on command line of the plug-in beside the test program.
ChildRun RunLogonRestore(DWORD timeoutMs = 30000);
// Runs it and fails the test unless it ends on its own without showing
// anything: nobody is there to answer at log-on.
void RunQuietLogonRestore();

}  // namespace morvane::test
