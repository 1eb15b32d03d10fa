// Starts the log-on restore the way the system's log-on starter does: the
// Run-key command line handed to CreateProcessA exactly as it stands. (Wine's
// rundll32 exits 0 even when the file or entry is missing, so tests judge by
// effects: the registry, the drives, the log.)
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "win32/UniqueHandle.h"

namespace morvane::test {

// rundll32 "<plug-in path>",MountAfterReboot
std::string LogonCommandLine(const std::string& pluginPath);

struct SeenDialog {
    std::string caption;
    std::string text;
};

struct LogonRunResult {
    bool started = false;
    DWORD startError = 0;
    // Ended on its own within the time allowed (otherwise it was terminated).
    bool finished = false;
    DWORD exitCode = 0;
    // Every dialog (message box) the process showed; each was answered No or
    // OK so that the process could go on.
    std::vector<SeenDialog> dialogs;
};

class LogonProcess {
public:
    // Starts `commandLine`; check Started().
    explicit LogonProcess(const std::string& commandLine);
    ~LogonProcess();
    LogonProcess(const LogonProcess&) = delete;
    LogonProcess& operator=(const LogonProcess&) = delete;

    bool Started() const { return process_.IsValid(); }
    bool Running() const { return Started() && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT; }
    // Waits for the end, watching the process's windows meanwhile.
    LogonRunResult Wait(DWORD timeoutMs = 30000);

private:
    win32::FileHandle process_;
    DWORD processId_ = 0;
    DWORD startError_ = 0;
};

// Runs the log-on command line of the plug-in beside the test program.
LogonRunResult RunLogonRestore(DWORD timeoutMs = 30000);
// Runs it and fails the test unless it ends on its own without showing
// anything: nobody is there to answer at log-on.
void RunQuietLogonRestore();

}  // namespace morvane::test
