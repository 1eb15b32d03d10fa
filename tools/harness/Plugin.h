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
// The plug-in that the build puts beside the test program.
std::string TestPluginPath();

class LoadedPlugin {
public:
    // Loads the plug-in file at `path`. Check IsLoaded() before use.
    explicit LoadedPlugin(const std::string& path = TestPluginPath());
    bool IsLoaded() const { return module_.IsValid(); }
    HMODULE Handle() const { return module_.Get(); }
    const PluginExports& Fs() const { return exports_; }

private:
    win32::Module module_;
    PluginExports exports_;
};

}  // namespace morvane::test
