// The real plug-in, loaded from the folder of the test program as the file
// manager loads it, with its exports resolved.
#pragma once

#include <windows.h>

#include <string>

#include "plugin/FsPluginApi.h"
#include "win32/UniqueHandle.h"

namespace morvane::test {

struct PluginExports {
    int(__stdcall* FsInit)(int, FsProgressProc, FsLogProc, FsRequestProc) = nullptr;
    HANDLE(__stdcall* FsFindFirst)(char*, WIN32_FIND_DATAA*) = nullptr;
    BOOL(__stdcall* FsFindNext)(HANDLE, WIN32_FIND_DATAA*) = nullptr;
    int(__stdcall* FsFindClose)(HANDLE) = nullptr;
    void(__stdcall* FsGetDefRootName)(char*, int) = nullptr;
    void(__stdcall* FsSetDefaultParams)(FsDefaultParams*) = nullptr;
    int(__stdcall* FsPutFile)(char*, char*, int) = nullptr;
    BOOL(__stdcall* FsDeleteFile)(char*) = nullptr;
    int(__stdcall* FsExecuteFile)(HWND, char*, char*) = nullptr;
    int(__stdcall* FsExtractCustomIcon)(char*, int, HICON*) = nullptr;
    void(__stdcall* MountAfterReboot)(HWND, HINSTANCE, LPSTR, int) = nullptr;
};

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
