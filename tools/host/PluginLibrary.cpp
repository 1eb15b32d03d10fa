#include "PluginLibrary.h"

#include <cstring>
#include <vector>

#include "ConsoleText.h"

namespace mvhost {
namespace {

// The file manager hands over callbacks that work; the plug-in must not rely
// on them doing anything, so these do nothing, and a progress answer of 0
// never asks it to stop.
int __stdcall ProgressProc(int, char*, char*, int) { return 0; }
void __stdcall LogProc(int, int, char*) {}
BOOL __stdcall RequestProc(int, int, char*, char*, char*, int) { return FALSE; }
int __stdcall ProgressProcW(int, wchar_t*, wchar_t*, int) { return 0; }
void __stdcall LogProcW(int, int, wchar_t*) {}
BOOL __stdcall RequestProcW(int, int, wchar_t*, wchar_t*, wchar_t*, int) { return FALSE; }

// The program's path is read into a buffer that grows up to the longest path
// the system handles, in characters with the terminator.
constexpr DWORD kFirstPathSize = 1024;
constexpr DWORD kLongestPath = 32768;

}  // namespace

std::string HostDirectory() {
    for (DWORD size = kFirstPathSize; size <= kLongestPath; size *= 2) {
        std::vector<wchar_t> path(size);
        const DWORD len = GetModuleFileNameW(nullptr, path.data(), size);
        if (len == 0) return std::string();
        if (len >= size) continue;
        const std::wstring file(path.data(), len);
        return WideToUtf8(file.substr(0, file.rfind(L'\\') + 1));
    }
    return std::string();
}

PluginLibrary::PluginLibrary(const std::string& path) : module_(LoadLibraryW(Utf8ToWide(path).c_str())) {
    if (!module_) {
        error_ = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
        return;
    }
    if (!ResolveExports()) return;
    Initialise();
    ready_ = true;
}

bool PluginLibrary::ResolveExports() {
    calls_ = ResolvePluginCalls(module_.Get());
    // The listing calls are what every plug-in has; each command checks the
    // optional export it uses.
    struct Required {
        const char* name;
        bool found;
    };
    const Required required[] = {
        {"FsInit", calls_.FsInit != nullptr},
        {"FsFindFirst", calls_.FsFindFirst != nullptr},
        {"FsFindNext", calls_.FsFindNext != nullptr},
        {"FsFindClose", calls_.FsFindClose != nullptr},
    };
    for (const Required& r : required) {
        if (!r.found) {
            error_ = std::string("the plug-in lacks the export ") + r.name;
            return false;
        }
    }
    return true;
}

void PluginLibrary::Initialise() {
    calls_.FsInit(1, ProgressProc, LogProc, RequestProc);
    if (calls_.FsInitW) calls_.FsInitW(1, ProgressProcW, LogProcW, RequestProcW);
    if (!calls_.FsSetDefaultParams) return;
    morvane::FsDefaultParams params;
    std::memset(&params, 0, sizeof params);
    params.size = sizeof params;
    params.pluginInterfaceVersionHi = 2;
    params.pluginInterfaceVersionLow = 0;
    // The field is the interface's, in the code page; a path it cannot hold
    // whole is left out rather than cut into another one.
    const std::string ini = Utf8ToAnsi(HostDirectory() + "fsplugin.ini");
    if (ini.size() < sizeof params.defaultIniName) std::memcpy(params.defaultIniName, ini.data(), ini.size());
    calls_.FsSetDefaultParams(&params);
}

}  // namespace mvhost
