// Watching the plug-in's volume requests through its imports, and producing
// the failures that Wine never produces (a refused volume lock), without any
// test code in the product.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "winpatch/ImportPatch.h"

namespace morvane::test {

using winpatch::ImportPatch;

// One DeviceIoControl call as the module made it, with its outcome as the
// module saw it.
struct RecordedControl {
    DWORD code = 0;
    DWORD inputLength = 0;
    std::vector<uint8_t> input;  // the inputLength bytes, when the input was not null
    DWORD outputLength = 0;
    bool succeeded = false;
    DWORD error = 0;  // last error after a failure
};

// One CreateFileA call.
struct RecordedOpen {
    std::string path;
    DWORD access = 0;
    DWORD shareMode = 0;
    DWORD disposition = 0;
    DWORD flags = 0;
    bool succeeded = false;
    DWORD error = 0;
};

// One SHChangeNotify call with a path item.
struct RecordedShellNotice {
    LONG event = 0;
    UINT flags = 0;
    std::string path;
    bool hasSecondItem = false;
};

// One DefineDosDeviceA call.
struct RecordedDefinition {
    DWORD flags = 0;
    std::string name;
    std::string target;  // empty for a null target
    bool succeeded = false;
};

// Records every CreateFileA, DeviceIoControl, DefineDosDeviceA,
// SHChangeNotify and MessageBoxW that `module` makes while the recorder
// lives, and the CloseHandle of each volume it opened (only one recorder at a
// time), passing each call on to the system, except that:
//  - with FailLocks(error), FSCTL_LOCK_VOLUME fails with that error, as it
//    does on Windows while files on the volume are open;
//  - two Wine differences are turned into what Windows does, each only after
//    the stand-in driver's own state confirms it (see ImportPatch.cpp): a
//    dismount that reached the driver succeeds, and a volume open that the
//    driver refused fails with ERROR_FILE_NOT_FOUND.
class DriverRequestRecorder {
public:
    explicit DriverRequestRecorder(HMODULE module);
    ~DriverRequestRecorder();
    DriverRequestRecorder(const DriverRequestRecorder&) = delete;
    DriverRequestRecorder& operator=(const DriverRequestRecorder&) = delete;

    // CreateFileA and DeviceIoControl are intercepted; otherwise Why() says
    // what is missing.
    bool IsActive() const;
    std::string Why() const;
    // Whether SHChangeNotify is intercepted too (the module imports it).
    bool SeesShell() const;
    // Whether DefineDosDeviceA, CloseHandle and MessageBoxW are intercepted
    // too, so that Steps() is complete.
    bool SeesSteps() const;

    // 0: lock requests pass to the system (which Wine always grants);
    // otherwise each one fails with `error` and never reaches the system.
    void FailLocks(DWORD error);

    std::vector<RecordedControl> Controls() const;
    std::vector<DWORD> ControlCodes() const;
    std::vector<RecordedOpen> Opens() const;
    std::vector<RecordedShellNotice> ShellNotices() const;
    std::vector<RecordedDefinition> Definitions() const;
    // Every intercepted call in order, in a short form that shows the order
    // of a driver operation: "open" and "close" (volume paths \\.\X: only),
    // "lock", "attach", "detach", "query", "dismount", "unlock" (other codes
    // in hex), "define X:", "remove X:", "notice", "message"; a failed call
    // has " failed" appended.
    std::vector<std::string> Steps() const;
    void Clear();

private:
    // Declared first: the patches are made only by the one recorder alive.
    bool owner_;
    ImportPatch createFile_;
    ImportPatch deviceIoControl_;
    ImportPatch shellNotify_;
    ImportPatch defineDosDevice_;
    ImportPatch closeHandle_;
    ImportPatch messageBox_;
};

}  // namespace morvane::test
