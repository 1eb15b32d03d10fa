// The exports of a file-system plug-in as a host calls them, resolved by the
// names the plug-in's .def file lists (a call it does not list stays null).
// Shared by the command-line host and the tests that load the plug-in.
#pragma once

#include <windows.h>

#include "plugin/FsPluginApi.h"

namespace mvhost {

struct PluginCalls {
    int(__stdcall* FsInit)(int, morvane::FsProgressProc, morvane::FsLogProc, morvane::FsRequestProc) = nullptr;
    int(__stdcall* FsInitW)(int, morvane::FsProgressProcW, morvane::FsLogProcW, morvane::FsRequestProcW) = nullptr;
    HANDLE(__stdcall* FsFindFirst)(char*, WIN32_FIND_DATAA*) = nullptr;
    HANDLE(__stdcall* FsFindFirstW)(wchar_t*, WIN32_FIND_DATAW*) = nullptr;
    BOOL(__stdcall* FsFindNext)(HANDLE, WIN32_FIND_DATAA*) = nullptr;
    BOOL(__stdcall* FsFindNextW)(HANDLE, WIN32_FIND_DATAW*) = nullptr;
    int(__stdcall* FsFindClose)(HANDLE) = nullptr;
    void(__stdcall* FsGetDefRootName)(char*, int) = nullptr;
    void(__stdcall* FsSetDefaultParams)(morvane::FsDefaultParams*) = nullptr;
    void(__stdcall* FsStatusInfo)(char*, int, int) = nullptr;
    int(__stdcall* FsPutFile)(char*, char*, int) = nullptr;
    int(__stdcall* FsPutFileW)(wchar_t*, wchar_t*, int) = nullptr;
    BOOL(__stdcall* FsDeleteFile)(char*) = nullptr;
    BOOL(__stdcall* FsDeleteFileW)(wchar_t*) = nullptr;
    int(__stdcall* FsExecuteFile)(HWND, char*, char*) = nullptr;
    int(__stdcall* FsExecuteFileW)(HWND, wchar_t*, wchar_t*) = nullptr;
    int(__stdcall* FsExtractCustomIcon)(char*, int, HICON*) = nullptr;
    int(__stdcall* FsExtractCustomIconW)(wchar_t*, int, HICON*) = nullptr;
    int(__stdcall* FsRenMovFile)(char*, char*, BOOL, BOOL, morvane::FsRemoteInfo*) = nullptr;
    int(__stdcall* FsRenMovFileW)(wchar_t*, wchar_t*, BOOL, BOOL, morvane::FsRemoteInfo*) = nullptr;
    // Called by rundll32 at log-on, not by the file manager.
    void(__stdcall* MountAfterReboot)(HWND, HINSTANCE, LPSTR, int) = nullptr;
    // The custom columns.
    int(__stdcall* FsContentGetSupportedField)(int, char*, char*, int) = nullptr;
    int(__stdcall* FsContentGetSupportedFieldFlags)(int) = nullptr;
    int(__stdcall* FsContentGetValue)(char*, int, int, void*, int, int) = nullptr;
    int(__stdcall* FsContentGetValueW)(wchar_t*, int, int, void*, int, int) = nullptr;
    BOOL(__stdcall* FsContentGetDefaultView)(char*, char*, char*, char*, int) = nullptr;
    BOOL(__stdcall* FsContentGetDefaultViewW)(wchar_t*, wchar_t*, wchar_t*, wchar_t*, int) = nullptr;
    void(__stdcall* FsContentPluginUnloading)() = nullptr;
};

// Every export the module has; the others stay null.
PluginCalls ResolvePluginCalls(HMODULE module);

// The start and the end that the file manager sends around each of its
// operations in the folder, a listing or a whole selection copied or
// deleted, when the plug-in exports FsStatusInfo; nothing otherwise.
class OperationBracket {
public:
    OperationBracket(const PluginCalls& calls, int operation);
    ~OperationBracket();
    OperationBracket(const OperationBracket&) = delete;
    OperationBracket& operator=(const OperationBracket&) = delete;

private:
    const PluginCalls& calls_;
    int operation_;
};

}  // namespace mvhost
