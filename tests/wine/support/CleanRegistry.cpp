#include "support/CleanRegistry.h"

#include <windows.h>

#include "logon/AutorunCommand.h"

namespace morvane::test {

void RemovePluginRegistryState() {
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Tarnwell Incorporation");
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", kAutorunValueName);
}

}  // namespace morvane::test
