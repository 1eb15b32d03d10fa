// Another program started from a test or a benchmark, by a command line
// handed to CreateProcessW exactly as it stands (Wine re-escapes quotes when
// a quoted path is passed through bash instead).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "win32/UniqueHandle.h"

namespace morvane::test {

struct SeenDialog {
    std::string caption;
    std::string text;
};

struct ChildRun {
    bool started = false;
    DWORD startError = 0;
    // Ended on its own within the time allowed (otherwise it was terminated).
    bool finished = false;
    DWORD exitCode = 0;
    // Every dialog (message box) the process showed; each was answered No or
    // OK so that the process could go on.
    std::vector<SeenDialog> dialogs;
};

class ChildProcess {
public:
    // Starts `commandLine`, in the code page or in UTF-16; check Started().
    explicit ChildProcess(const std::string& commandLine);
    explicit ChildProcess(const std::wstring& commandLine);
    // A process still running is terminated.
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return process_.IsValid(); }
    bool Running() const { return Started() && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT; }
    // Waits for the end, answering the process's dialogs meanwhile; a process
    // still running after `timeoutMs` is terminated.
    ChildRun Wait(DWORD timeoutMs = 30000);
    // Waits for the end and nothing else, which costs the process nothing
    // (for timings); false when it was terminated after `timeoutMs`.
    bool WaitQuietly(DWORD timeoutMs);

private:
    win32::FileHandle process_;
    DWORD processId_ = 0;
    DWORD startError_ = 0;
};

}  // namespace morvane::test
