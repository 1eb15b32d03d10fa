// A file-system plug-in loaded the way the file manager loads one: the file
// by path, its exports by name, then FsInit and FsSetDefaultParams.
#pragma once

#include <windows.h>

#include <string>

#include "plugin/FsPluginApi.h"
#include "win32/UniqueHandle.h"

namespace mvhost {

struct PluginCalls {
    int(__stdcall* FsInit)(int, morvane::FsProgressProc, morvane::FsLogProc, morvane::FsRequestProc) = nullptr;
    HANDLE(__stdcall* FsFindFirst)(char*, WIN32_FIND_DATAA*) = nullptr;
    BOOL(__stdcall* FsFindNext)(HANDLE, WIN32_FIND_DATAA*) = nullptr;
    int(__stdcall* FsFindClose)(HANDLE) = nullptr;
    void(__stdcall* FsGetDefRootName)(char*, int) = nullptr;
    void(__stdcall* FsSetDefaultParams)(morvane::FsDefaultParams*) = nullptr;
    int(__stdcall* FsPutFile)(char*, char*, int) = nullptr;
    BOOL(__stdcall* FsDeleteFile)(char*) = nullptr;
    int(__stdcall* FsExecuteFile)(HWND, char*, char*) = nullptr;
    // Optional in the interface: may be null.
    int(__stdcall* FsExtractCustomIcon)(char*, int, HICON*) = nullptr;
};

class PluginLibrary {
public:
    // Loads the file and initialises the plug-in. On failure `Error()` says
    // why and no export may be called.
    explicit PluginLibrary(const std::string& path);

    bool IsReady() const { return ready_; }
    const std::string& Error() const { return error_; }
    const PluginCalls& Calls() const { return calls_; }

private:
    bool ResolveExports();
    void Initialise();

    morvane::win32::Module module_;
    PluginCalls calls_;
    std::string error_;
    bool ready_ = false;
};

// Full path of the running host program's folder, with its backslash.
std::string HostDirectory();

}  // namespace mvhost
