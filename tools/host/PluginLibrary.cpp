#include "PluginLibrary.h"

#include <cstring>

namespace mvhost {
namespace {

// The file manager hands over callbacks that work; the plug-in must not rely
// on them doing anything, so these do nothing.
int __stdcall ProgressProc(int, char*, char*, int) { return 0; }
void __stdcall LogProc(int, int, char*) {}
BOOL __stdcall RequestProc(int, int, char*, char*, char*, int) { return FALSE; }

}  // namespace

std::string HostDirectory() {
    char path[MAX_PATH] = {};
    const DWORD len = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (len == 0 || len >= MAX_PATH) return std::string();
    std::string dir(path, len);
    return dir.substr(0, dir.rfind('\\') + 1);
}

PluginLibrary::PluginLibrary(const std::string& path) : module_(LoadLibraryA(path.c_str())) {
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
    if (!calls_.FsSetDefaultParams) return;
    morvane::FsDefaultParams params;
    std::memset(&params, 0, sizeof params);
    params.size = sizeof params;
    params.pluginInterfaceVersionHi = 2;
    params.pluginInterfaceVersionLow = 0;
    const std::string ini = HostDirectory() + "fsplugin.ini";
    std::strncpy(params.defaultIniName, ini.c_str(), sizeof params.defaultIniName - 1);
    calls_.FsSetDefaultParams(&params);
}

}  // namespace mvhost
