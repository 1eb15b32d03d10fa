#include "lang/LangSetting.h"

#include <cstdint>
#include <utility>

#include "lang/SettingsKey.h"
#include "win32/RegKey.h"
#include "win32/RegistryString.h"

namespace morvane {

std::string ReadLangSetting() {
    win32::RegKey key;
    if (key.Open(HKEY_CURRENT_USER, kSettingsKey, KEY_READ) != ERROR_SUCCESS) return kDefaultLangFile;
    uint8_t data[MAX_PATH];
    DWORD type = REG_NONE;
    DWORD size = sizeof data;
    if (key.QueryValue(kLangFileValue, &type, data, &size) != ERROR_SUCCESS) return kDefaultLangFile;
    if (size > sizeof data || !IsTerminatedString(type, data, size, false)) return kDefaultLangFile;
    std::string text = StringUpToZero(data, size);
    return text.empty() ? kDefaultLangFile : text;
}

bool SaveLangSetting(const std::string& langFile) {
    win32::RegKey key;
    if (key.Create(HKEY_CURRENT_USER, kSettingsKey, KEY_WRITE) != ERROR_SUCCESS) return false;
    const DWORD size = static_cast<DWORD>(langFile.size() + 1);
    return key.SetValue(kLangFileValue, REG_SZ, langFile.c_str(), size) == ERROR_SUCCESS;
}

}  // namespace morvane
