#include "support/StoredLangSetting.h"

#include "lang/SettingsKey.h"
#include "win32/RegKey.h"

namespace morvane::test {

LONG StoreLangSetting(DWORD type, const std::string& bytes) {
    win32::RegKey key;
    const LONG rc = key.Create(HKEY_CURRENT_USER, kSettingsKey, KEY_WRITE);
    if (rc != ERROR_SUCCESS) return rc;
    return key.SetValue("LangFile", type, bytes.data(), static_cast<DWORD>(bytes.size()));
}

}  // namespace morvane::test
