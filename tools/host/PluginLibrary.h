// A file-system plug-in loaded the way the file manager loads one: the file
// by path, its exports by name, then FsInit, FsInitW when it has it, and
// FsSetDefaultParams.
#pragma once

#include <windows.h>

#include <string>

#include "PluginCalls.h"
#include "win32/UniqueHandle.h"

namespace mvhost {

class PluginLibrary {
public:
    // Loads the file, named in UTF-8, and initialises the plug-in. On failure
    // `Error()` says why and no export may be called.
    explicit PluginLibrary(const std::string& path);

    bool IsReady() const { return ready_; }
    const std::string& Error() const { return error_; }
    const PluginCalls& Calls() const { return calls_; }
    HMODULE Handle() const { return module_.Get(); }

private:
    bool ResolveExports();
    void Initialise();

    morvane::win32::Module module_;
    PluginCalls calls_;
    std::string error_;
    bool ready_ = false;
};

// Full path of the running host program's folder, with its backslash, in
// UTF-8; empty when it cannot be read.
std::string HostDirectory();

}  // namespace mvhost
