#include "win32/OwnModule.h"

#include "win32/AnsiText.h"

namespace morvane::win32 {

HMODULE GetOwnModuleHandle() {
    MEMORY_BASIC_INFORMATION info{};
    if (VirtualQuery(reinterpret_cast<const void*>(&GetOwnModuleHandle), &info, sizeof info) == 0) return nullptr;
    return static_cast<HMODULE>(info.AllocationBase);
}

std::string OwnModulePath() {
    char path[MAX_PATH] = {};
    const DWORD len = GetModuleFileNameA(GetOwnModuleHandle(), path, MAX_PATH);
    // A truncated name has no use as a path; treat it as unknown.
    if (len == 0 || len >= MAX_PATH) return std::string();
    return std::string(path, len);
}

std::string OwnModuleDirectory() { return UpToLastBackslash(OwnModulePath()); }

std::string ModuleTitle() {
    std::string name = AfterLastBackslash(OwnModulePath());
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos) name.erase(dot);
    return name;
}

}  // namespace morvane::win32
