#include "support/CleanRegistry.h"

#include <windows.h>

#include "drive/AutorunCommand.h"

namespace morvane::test {

void RemovePluginRegistryState() {
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Tarnwell Incorporation");
    RegDeleteKeyValueA(HKEY_CURRENT_USER, kRunKey, kAutorunValueName);
}

}  // namespace morvane::test
