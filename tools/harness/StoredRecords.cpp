#include "harness/StoredRecords.h"

#include <iterator>

#include "catalogue/RecordOfValue.h"
#include "catalogue/StoreKey.h"
#include "win32/RegKey.h"

namespace morvane::test {

CFileInfo MakeRecord(const RecordFields& fields) {
    CFileInfo record = EmptyFileInfo();
    record.findData.dwFileAttributes = FILE_ATTRIBUTE_ARCHIVE;
    record.findData.nFileSizeLow = 2048;
    SetFieldText(record.findData.cFileName, fields.name);
    SetFieldText(record.imagePath, fields.imagePath);
    record.driveLetter = fields.letter;
    record.mountMode = fields.mode;
    record.mounted = fields.mounted ? 1 : 0;
    record.restoreAtLogon = fields.restore ? 1 : 0;
    return record;
}

LONG StoreValue(const std::string& valueName, DWORD type, const void* data, DWORD size) {
    win32::RegKey key;
    const LONG rc = key.Create(HKEY_CURRENT_USER, kFilesListKey, KEY_READ | KEY_WRITE);
    if (rc != ERROR_SUCCESS) return rc;
    return key.SetValue(valueName.c_str(), type, data, size);
}

LONG StoreRecord(const std::string& valueName, const CFileInfo& record) {
    return StoreValue(valueName, REG_BINARY, &record, sizeof record);
}

std::vector<StoredValue> StoredValues() {
    std::vector<StoredValue> values;
    win32::RegKey key;
    if (key.Open(HKEY_CURRENT_USER, kFilesListKey, KEY_READ) != ERROR_SUCCESS) return values;
    for (DWORD index = 0;; ++index) {
        char name[1024];
        DWORD nameLength = sizeof name;
        StoredValue value;
        value.data.resize(4096);
        DWORD size = static_cast<DWORD>(value.data.size());
        const LONG rc =
            RegEnumValueA(key.Get(), index, name, &nameLength, nullptr, &value.type, value.data.data(), &size);
        if (rc != ERROR_SUCCESS) break;
        value.name.assign(name, nameLength);
        value.data.resize(size);
        values.push_back(std::move(value));
    }
    return values;
}

namespace {

template <typename Char>
std::optional<CFileInfo> ReadRecordNamed(const Char* valueName) {
    win32::RegKey key;
    if (key.Open(HKEY_CURRENT_USER, kFilesListKey, KEY_READ) != ERROR_SUCCESS) return std::nullopt;
    // Room for more than a record, so that a longer value is seen as such.
    uint8_t buffer[sizeof(CFileInfo) + 16];
    DWORD type = 0;
    DWORD size = sizeof buffer;
    if (key.QueryValue(valueName, &type, buffer, &size) != ERROR_SUCCESS) return std::nullopt;
    // A whole record: the plug-in reads shorter values too, and writes whole ones.
    if (size != kFileInfoSize) return std::nullopt;
    return RecordOfValue(type, buffer, size);
}

}  // namespace

std::optional<CFileInfo> ReadRecord(const std::string& valueName) { return ReadRecordNamed(valueName.c_str()); }

std::optional<CFileInfo> ReadWideRecord(const std::wstring& valueName) { return ReadRecordNamed(valueName.c_str()); }

std::vector<std::wstring> StoredValueNames() {
    std::vector<std::wstring> names;
    win32::RegKey key;
    if (key.Open(HKEY_CURRENT_USER, kFilesListKey, KEY_READ) != ERROR_SUCCESS) return names;
    for (DWORD index = 0;; ++index) {
        wchar_t name[16384];
        DWORD nameLength = static_cast<DWORD>(std::size(name));
        if (RegEnumValueW(key.Get(), index, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        names.emplace_back(name, nameLength);
    }
    return names;
}

bool StoreKeyExists() {
    win32::RegKey key;
    return key.Open(HKEY_CURRENT_USER, kFilesListKey, KEY_READ) == ERROR_SUCCESS;
}

}  // namespace morvane::test
