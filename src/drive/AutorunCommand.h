// The log-on entry that makes rundll32 restore the mounts.
#pragma once

#include <string>
#include <string_view>

namespace morvane {

constexpr const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char kAutorunValueName[] = "MorvaneAutomount";

// rundll32 "C:\Tools\Morvane.wfx64",MountAfterReboot, with `rundll32` as the
// program that runs it (a name, or a quoted path).
inline std::string AutorunCommandLine(std::string_view rundll32, std::string_view modulePath) {
    return std::string(rundll32) + " \"" + std::string(modulePath) + "\",MountAfterReboot";
}

}  // namespace morvane
