// The real plug-in, loaded from the folder of the test program as the file
// manager loads it, with its exports resolved.
#pragma once

#include <windows.h>

#include <string>

#include "host/PluginCalls.h"
#include "win32/UniqueHandle.h"

namespace morvane::test {

using PluginExports = mvhost::PluginCalls;

// Directory of the running test program, with its trailing backslash.
std::string TestProgramDirectory();

class LoadedPlugin {
public:
    // Loads the plug-in file at `path` (default: Morvane.wfx64 beside the test
    // program). Check IsLoaded() before use.
    explicit LoadedPlugin(const std::string& path = TestProgramDirectory() + "Morvane.wfx64");
    bool IsLoaded() const { return module_.IsValid(); }
    HMODULE Handle() const { return module_.Get(); }
    const PluginExports& Fs() const { return exports_; }

private:
    win32::Module module_;
    PluginExports exports_;
};

}  // namespace morvane::test
