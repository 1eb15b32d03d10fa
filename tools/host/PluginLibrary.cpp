#include "PluginLibrary.h"

#include <cstring>

namespace mvhost {
namespace {

// The file manager hands over callbacks that work; the plug-in must not rely
// on them doing anything, so these do nothing.
int __stdcall ProgressProc(int, char*, char*, int) { return 0; }
void __stdcall LogProc(int, int, char*) {}
BOOL __stdcall RequestProc(int, int, char*, char*, char*, int) { return FALSE; }

template <typename F>
bool Resolve(HMODULE module, const char* name, F& slot) {
    slot = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return slot != nullptr;
}

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
    const HMODULE m = module_.Get();
    struct Required {
        const char* name;
        bool found;
    };
    const Required required[] = {
        {"FsInit", Resolve(m, "FsInit", calls_.FsInit)},
        {"FsFindFirst", Resolve(m, "FsFindFirst", calls_.FsFindFirst)},
        {"FsFindNext", Resolve(m, "FsFindNext", calls_.FsFindNext)},
        {"FsFindClose", Resolve(m, "FsFindClose", calls_.FsFindClose)},
    };
    for (const Required& r : required) {
        if (!r.found) {
            error_ = std::string("the plug-in lacks the export ") + r.name;
            return false;
        }
    }
    // The others are optional for a plug-in; each command checks its own.
    Resolve(m, "FsGetDefRootName", calls_.FsGetDefRootName);
    Resolve(m, "FsSetDefaultParams", calls_.FsSetDefaultParams);
    Resolve(m, "FsPutFile", calls_.FsPutFile);
    Resolve(m, "FsDeleteFile", calls_.FsDeleteFile);
    Resolve(m, "FsExecuteFile", calls_.FsExecuteFile);
    Resolve(m, "FsExtractCustomIcon", calls_.FsExtractCustomIcon);
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
