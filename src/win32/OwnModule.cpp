#include "win32/OwnModule.h"

#include <vector>

#include "win32/AnsiText.h"

namespace morvane::win32 {
namespace {

// The longest path the system's wide calls take.
constexpr DWORD kLongestPath = 32768;

}  // namespace

HMODULE GetOwnModuleHandle() {
    MEMORY_BASIC_INFORMATION info{};
    if (VirtualQuery(reinterpret_cast<const void*>(&GetOwnModuleHandle), &info, sizeof info) == 0) return nullptr;
    return static_cast<HMODULE>(info.AllocationBase);
}

std::wstring OwnModulePath() {
    // Most paths fit the first buffer; a longer one is asked again whole.
    for (DWORD size = MAX_PATH;; size = kLongestPath) {
        std::vector<wchar_t> path(size);
        const DWORD len = GetModuleFileNameW(GetOwnModuleHandle(), path.data(), size);
        if (len == 0) return std::wstring();
        // A truncated name has no use as a path; treat it as unknown.
        if (len < size) return std::wstring(path.data(), len);
        if (size == kLongestPath) return std::wstring();
    }
}

std::wstring OwnModuleDirectory() { return UpToLastBackslash(OwnModulePath()); }

std::wstring ModuleTitle() {
    std::wstring name = AfterLastBackslash(OwnModulePath());
    const size_t dot = name.rfind(L'.');
    if (dot != std::wstring::npos) name.erase(dot);
    return name;
}

}  // namespace morvane::win32
