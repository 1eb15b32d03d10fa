// The log-on entry that makes rundll32 restore the mounts.
#pragma once

#include <string>
#include <string_view>

namespace morvane {

constexpr const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char kAutorunValueName[] = "MorvaneAutomount";

// rundll32 "C:\Tools\Morvane.wfx64",MountAfterReboot
inline std::string AutorunCommandLine(std::string_view modulePath) {
    return "rundll32 \"" + std::string(modulePath) + "\",MountAfterReboot";
}

}  // namespace morvane
