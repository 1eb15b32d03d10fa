#include <cstdint>
#include <utility>

#include "lang/SettingsKey.h"
#include "plugin/MorvaneApp.h"
#include "win32/RegKey.h"
#include "win32/RegistryString.h"

namespace morvane {

void CMorvaneApp::ReadLangSetting() {
    m_strLangFile = kDefaultLangFile;
    win32::RegKey key;
    if (key.Open(HKEY_CURRENT_USER, kSettingsKey, KEY_READ) != ERROR_SUCCESS) return;
    uint8_t data[MAX_PATH];
    DWORD type = REG_NONE;
    DWORD size = sizeof data;
    if (key.QueryValue(kLangFileValue, &type, data, &size) != ERROR_SUCCESS) return;
    if (size > sizeof data || !IsTerminatedString(type, data, size, false)) return;
    std::string text = StringUpToZero(data, size);
    if (!text.empty()) m_strLangFile = std::move(text);
}

bool CMorvaneApp::SaveLangSetting() {
    win32::RegKey key;
    if (key.Create(HKEY_CURRENT_USER, kSettingsKey, KEY_WRITE) != ERROR_SUCCESS) return false;
    const DWORD size = static_cast<DWORD>(m_strLangFile.size() + 1);
    return key.SetValue(kLangFileValue, REG_SZ, m_strLangFile.c_str(), size) == ERROR_SUCCESS;
}

}  // namespace morvane
