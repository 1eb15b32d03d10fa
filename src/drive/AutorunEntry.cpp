#include "drive/AutorunEntry.h"

#include "drive/AutorunCommand.h"
#include "drive/Rundll32Program.h"
#include "win32/OwnModule.h"
#include "win32/RegKey.h"
#include "win32/RegistryString.h"

namespace morvane {

void EnsureAutorunEntry() {
    win32::RegKey run;
    if (run.Open(HKEY_CURRENT_USER, kRunKey, KEY_READ | KEY_WRITE) != ERROR_SUCCESS) return;

    uint8_t data[MAX_PATH];
    DWORD type = 0;
    DWORD size = sizeof data;
    const bool present = run.QueryValue(kAutorunValueName, &type, data, &size) == ERROR_SUCCESS &&
                         IsTerminatedString(type, data, size, true);
    // A present value is left alone, even when it names another path.
    if (present) return;

    const std::string modulePath = win32::OwnModulePath();
    if (modulePath.empty()) return;
    const std::string command = AutorunCommandLine(Rundll32Program(), modulePath);
    run.SetValue(kAutorunValueName, REG_SZ, command.c_str(), static_cast<DWORD>(command.size() + 1));
}

}  // namespace morvane
