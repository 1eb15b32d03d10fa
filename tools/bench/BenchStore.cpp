#include "BenchStore.h"

#include <windows.h>

#include <cstdio>

#include "catalogue/StoreKey.h"
#include "harness/StoredRecords.h"
#include "win32/RegKey.h"

namespace morvane::bench {
namespace {

// Every name the benchmarks write fits; so does every name the plug-in can
// address, which reads with a buffer of this size too.
constexpr DWORD kNameBufferChars = kTextFieldSize;

}  // namespace

std::string BenchImageName(size_t index) {
    char name[32];
    std::snprintf(name, sizeof name, "Image-%05zu.iso", index);
    return name;
}

CFileInfo BenchRecord(size_t index) {
    const std::string name = BenchImageName(index);
    return test::MakeRecord({name, "C:\\Images\\" + name, 'M', kModeCdDvd | kModeReadOnly, false, false});
}

bool FillStore(size_t count) {
    if (!EmptyStore()) return false;
    win32::RegKey key;
    if (key.Open(HKEY_CURRENT_USER, kFilesListKey, KEY_WRITE) != ERROR_SUCCESS) return false;
    for (size_t i = 0; i < count; ++i) {
        const CFileInfo record = BenchRecord(i);
        if (key.SetValue(BenchImageName(i).c_str(), REG_BINARY, &record, sizeof record) != ERROR_SUCCESS) return false;
    }
    return true;
}

bool EmptyStore() {
    RemoveStore();
    // Volatile: wineserver saves a changed hive 30 s later, writing every value
    // out as text and serving nobody meanwhile, which would land inside runs.
    win32::RegKey key;
    return key.Create(HKEY_CURRENT_USER, kFilesListKey, KEY_WRITE, REG_OPTION_VOLATILE) == ERROR_SUCCESS;
}

void RemoveStore() { RegDeleteTreeA(HKEY_CURRENT_USER, kFilesListKey); }

size_t EnumerateStore() {
    win32::RegKey key;
    if (key.Open(HKEY_CURRENT_USER, kFilesListKey, KEY_READ) != ERROR_SUCCESS) return 0;
    wchar_t name[kNameBufferChars];
    uint8_t data[kFileInfoSize];
    size_t values = 0;
    for (DWORD index = 0;; ++index) {
        DWORD nameLength = kNameBufferChars;
        DWORD type = REG_NONE;
        DWORD size = sizeof data;
        const LONG rc = RegEnumValueW(key.Get(), index, name, &nameLength, nullptr, &type, data, &size);
        if (rc != ERROR_SUCCESS) break;
        ++values;
    }
    return values;
}

}  // namespace morvane::bench
