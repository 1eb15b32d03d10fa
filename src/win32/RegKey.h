// A registry key opened for one operation. Every call answers the registry's
// own error code (ERROR_SUCCESS on success); outputs are untouched on failure
// unless stated.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

namespace morvane::win32 {

class RegKey {
public:
    RegKey() = default;
    ~RegKey() { Close(); }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
    RegKey(RegKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}
    RegKey& operator=(RegKey&& other) noexcept {
        if (this != &other) {
            Close();
            key_ = std::exchange(other.key_, nullptr);
        }
        return *this;
    }

    LONG Open(HKEY parent, const char* path, REGSAM access);
    // Opens the key, creating it and the keys above it when missing, with
    // `options` (REG_OPTION_VOLATILE: never saved to disk).
    LONG Create(HKEY parent, const char* path, REGSAM access, DWORD options = REG_OPTION_NON_VOLATILE);
    void Close();

    HKEY Get() const { return key_; }

    // `size` is in: buffer size, out: bytes read (as the registry reports it).
    LONG QueryValue(const char* name, DWORD* type, void* data, DWORD* size) const;
    LONG SetValue(const char* name, DWORD type, const void* data, DWORD size) const;
    LONG DeleteValue(const char* name) const;
    // The same by a value's name in UTF-16, which any name has.
    LONG QueryValue(const wchar_t* name, DWORD* type, void* data, DWORD* size) const;
    LONG SetValue(const wchar_t* name, DWORD type, const void* data, DWORD size) const;
    LONG DeleteValue(const wchar_t* name) const;

private:
    HKEY key_ = nullptr;
};

}  // namespace morvane::win32
