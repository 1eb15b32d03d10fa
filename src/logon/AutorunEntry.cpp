#include "logon/AutorunEntry.h"

#include "logon/AutorunCommand.h"
#include "logon/Rundll32Program.h"
#include "win32/OwnModule.h"
#include "win32/RegKey.h"
#include "win32/RegistryString.h"

namespace morvane {
namespace {

// Longer than any command line the system starts.
constexpr size_t kMaxCommandBytes = 65536;

}  // namespace

void EnsureAutorunEntry() {
    win32::RegKey run;
    if (run.Open(HKEY_CURRENT_USER, kRunKey, KEY_READ | KEY_WRITE) != ERROR_SUCCESS) return;
    // A present value is left alone, even when it names another path.
    if (win32::ReadRegistryString(run, kAutorunValueName, kMaxCommandBytes, true)) return;

    const std::wstring modulePath = win32::OwnModulePath();
    if (modulePath.empty()) return;
    const std::wstring command = AutorunCommandLine(Rundll32Program(), modulePath);
    run.SetValue(kAutorunValueName, REG_SZ, command.c_str(),
                 static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
}

}  // namespace morvane
