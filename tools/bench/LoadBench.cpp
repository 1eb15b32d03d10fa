#include "LoadBench.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>

#include "Timing.h"
#include "plugin/FsPluginApi.h"
#include "win32/UniqueHandle.h"

namespace morvane::bench {
namespace {

using FsInitCall = int(__stdcall*)(int, FsProgressProc, FsLogProc, FsRequestProc);

std::vector<HMODULE> LoadedModules() {
    std::vector<HMODULE> modules(1024);
    DWORD needed = 0;
    if (!EnumProcessModules(GetCurrentProcess(), modules.data(), static_cast<DWORD>(modules.size() * sizeof(HMODULE)),
                            &needed))
        return {};
    modules.resize(std::min<size_t>(modules.size(), needed / sizeof(HMODULE)));
    return modules;
}

// Loads the file, runs FsInit when it has one, and frees it again; false
// unless the file is gone from the process afterwards.
bool LoadAndFree(const std::string& path, double* ms, std::vector<win32::Module>* keep = nullptr) {
    const std::vector<HMODULE> before = keep ? LoadedModules() : std::vector<HMODULE>();
    const Stopwatch watch;
    win32::Module module(LoadLibraryA(path.c_str()));
    if (!module) return false;
    if (const auto init = reinterpret_cast<FsInitCall>(reinterpret_cast<void*>(GetProcAddress(module.Get(), "FsInit"))))
        init(1, nullptr, nullptr, nullptr);
    if (ms) *ms = watch.Ms();
    if (keep) {
        for (HMODULE loaded : LoadedModules()) {
            if (loaded == module.Get() || std::find(before.begin(), before.end(), loaded) != before.end()) continue;
            char name[MAX_PATH] = {};
            const DWORD length = GetModuleFileNameA(loaded, name, MAX_PATH);
            if (length > 0 && length < MAX_PATH) keep->emplace_back(LoadLibraryA(name));
        }
    }
    module.Reset();
    return GetModuleHandleA(path.c_str()) == nullptr;
}

}  // namespace

bool MeasureLoad(const std::string& pluginPath, const std::string& emptyPath, int runs, LoadRuns& result,
                 std::string& why) {
    // The first load finds the DLLs the plug-in brings in, which then stay.
    std::vector<win32::Module> hostModules;
    if (!LoadAndFree(pluginPath, nullptr, &hostModules) || !LoadAndFree(emptyPath, nullptr)) {
        why = "a file does not load, or stays loaded after FreeLibrary";
        return false;
    }
    for (int run = 0; run < runs; ++run) {
        double pluginMs = 0.0;
        double emptyMs = 0.0;
        const bool pluginFirst = run % 2 == 0;
        const bool unloaded = pluginFirst ? LoadAndFree(pluginPath, &pluginMs) && LoadAndFree(emptyPath, &emptyMs)
                                          : LoadAndFree(emptyPath, &emptyMs) && LoadAndFree(pluginPath, &pluginMs);
        if (!unloaded) {
            why = "a file does not load, or stays loaded after FreeLibrary";
            return false;
        }
        result.pluginMs.push_back(pluginMs);
        result.emptyMs.push_back(emptyMs);
    }
    return true;
}

}  // namespace morvane::bench
