// The log-on entry that makes rundll32 restore the mounts.
#pragma once

#include <string>
#include <string_view>

namespace morvane {

constexpr const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const wchar_t kAutorunValueName[] = L"MorvaneAutomount";

// rundll32 "C:\Tools\Morvane.wfx64",MountAfterReboot, with `rundll32` as the
// program that runs it (a name, or a quoted path).
inline std::wstring AutorunCommandLine(std::wstring_view rundll32, std::wstring_view modulePath) {
    return std::wstring(rundll32) + L" \"" + std::wstring(modulePath) + L"\",MountAfterReboot";
}

}  // namespace morvane
