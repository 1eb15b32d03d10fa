// Catalogue records made for a test, and written to and read from the
// registry directly, as an earlier run of the plug-in (or another
// process) would have left them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/FileInfo.h"

namespace morvane::test {

struct RecordFields {
    std::string name;
    std::string imagePath;
    char letter = 'Z';
    uint32_t mode = kModeCdDvd | kModeReadOnly;
    bool mounted = false;
    bool restore = false;
};

// A record as the plug-in registers a 2048-byte image file, with `fields`.
CFileInfo MakeRecord(const RecordFields& fields);

// Writes `size` bytes of `data` as the value `valueName` of the catalogue
// key, creating the key; answers the registry's code.
LONG StoreValue(const std::string& valueName, DWORD type, const void* data, DWORD size);
LONG StoreRecord(const std::string& valueName, const CFileInfo& record);
inline LONG StoreRecord(const RecordFields& fields) { return StoreRecord(fields.name, MakeRecord(fields)); }

struct StoredValue {
    std::string name;
    DWORD type = 0;
    std::vector<uint8_t> data;
};

// Every value of the catalogue key in the registry's enumeration order; empty
// when the key is missing.
std::vector<StoredValue> StoredValues();
// The record stored as `valueName`; none unless it is a REG_BINARY value of
// exactly 596 bytes.
std::optional<CFileInfo> ReadRecord(const std::string& valueName);
bool StoreKeyExists();

// The names of the catalogue key's values as the registry holds them.
std::vector<std::wstring> StoredValueNames();
// The record stored under a name in UTF-16, as ReadRecord.
std::optional<CFileInfo> ReadWideRecord(const std::wstring& valueName);

}  // namespace morvane::test
