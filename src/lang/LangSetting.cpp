#include "lang/LangSetting.h"

#include <optional>

#include "lang/SettingsKey.h"
#include "win32/RegKey.h"
#include "win32/RegistryString.h"

namespace morvane {

std::wstring ReadLangSetting() {
    win32::RegKey key;
    if (key.Open(HKEY_CURRENT_USER, kSettingsKey, KEY_READ) != ERROR_SUCCESS) return kDefaultLangFile;
    // A file name in the Language folder, which the file system keeps shorter.
    const std::optional<std::wstring> text =
        win32::ReadRegistryString(key, kLangFileValue, MAX_PATH * sizeof(wchar_t), false);
    return text && !text->empty() ? *text : kDefaultLangFile;
}

bool SaveLangSetting(const std::wstring& langFile) {
    win32::RegKey key;
    if (key.Create(HKEY_CURRENT_USER, kSettingsKey, KEY_WRITE) != ERROR_SUCCESS) return false;
    const DWORD size = static_cast<DWORD>((langFile.size() + 1) * sizeof(wchar_t));
    return key.SetValue(kLangFileValue, REG_SZ, langFile.c_str(), size) == ERROR_SUCCESS;
}

}  // namespace morvane
