#include "win32/RegKey.h"

namespace morvane::win32 {

LONG RegKey::Open(HKEY parent, const char* path, REGSAM access) {
    Close();
    HKEY key = nullptr;
    const LONG rc = RegOpenKeyExA(parent, path, 0, access, &key);
    if (rc == ERROR_SUCCESS) key_ = key;
    return rc;
}

LONG RegKey::Create(HKEY parent, const char* path, REGSAM access, DWORD options) {
    Close();
    HKEY key = nullptr;
    const LONG rc = RegCreateKeyExA(parent, path, 0, nullptr, options, access, nullptr, &key, nullptr);
    if (rc == ERROR_SUCCESS) key_ = key;
    return rc;
}

void RegKey::Close() {
    if (key_) {
        const DWORD saved = GetLastError();
        RegCloseKey(key_);
        SetLastError(saved);
        key_ = nullptr;
    }
}

LONG RegKey::QueryValue(const char* name, DWORD* type, void* data, DWORD* size) const {
    return RegQueryValueExA(key_, name, nullptr, type, static_cast<BYTE*>(data), size);
}

LONG RegKey::SetValue(const char* name, DWORD type, const void* data, DWORD size) const {
    return RegSetValueExA(key_, name, 0, type, static_cast<const BYTE*>(data), size);
}

LONG RegKey::DeleteValue(const char* name) const { return RegDeleteValueA(key_, name); }

LONG RegKey::QueryValue(const wchar_t* name, DWORD* type, void* data, DWORD* size) const {
    return RegQueryValueExW(key_, name, nullptr, type, static_cast<BYTE*>(data), size);
}

LONG RegKey::SetValue(const wchar_t* name, DWORD type, const void* data, DWORD size) const {
    return RegSetValueExW(key_, name, 0, type, static_cast<const BYTE*>(data), size);
}

LONG RegKey::DeleteValue(const wchar_t* name) const { return RegDeleteValueW(key_, name); }

}  // namespace morvane::win32
