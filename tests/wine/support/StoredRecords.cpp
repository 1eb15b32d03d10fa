#include "support/StoredRecords.h"

#include <cstring>

#include "catalogue/StoreKey.h"
#include "win32/RegKey.h"
#include "win32/UniqueHandle.h"

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

bool ReadRecord(const std::string& valueName, CFileInfo& record) {
    win32::RegKey key;
    if (key.Open(HKEY_CURRENT_USER, kFilesListKey, KEY_READ) != ERROR_SUCCESS) return false;
    uint8_t buffer[sizeof(CFileInfo) + 16];
    DWORD type = 0;
    DWORD size = sizeof buffer;
    if (key.QueryValue(valueName.c_str(), &type, buffer, &size) != ERROR_SUCCESS) return false;
    if (type != REG_BINARY || size != sizeof record) return false;
    std::memcpy(&record, buffer, sizeof record);
    return true;
}

bool StoreKeyExists() {
    win32::RegKey key;
    return key.Open(HKEY_CURRENT_USER, kFilesListKey, KEY_READ) == ERROR_SUCCESS;
}

ScratchImage::ScratchImage(const std::string& fileName, uint32_t size) {
    char temp[MAX_PATH];
    const DWORD len = GetTempPathA(MAX_PATH, temp);
    if (len == 0 || len >= MAX_PATH) return;
    // One folder per image, so that images of one test may share a name.
    static LONG serial = 0;
    folder_ = std::string(temp) + "morvane-" + std::to_string(GetCurrentProcessId()) + "-" +
              std::to_string(InterlockedIncrement(&serial));
    if (!CreateDirectoryA(folder_.c_str(), nullptr)) return;
    path_ = folder_ + "\\" + fileName;
    win32::FileHandle file(
        CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return;
    std::vector<char> zeros(size, '\0');
    DWORD written = 0;
    ready_ = WriteFile(file.Get(), zeros.data(), size, &written, nullptr) && written == size;
}

ScratchImage::~ScratchImage() {
    if (!path_.empty()) DeleteFileA(path_.c_str());
    if (!folder_.empty()) RemoveDirectoryA(folder_.c_str());
}

bool ScratchImage::Exists() const { return GetFileAttributesA(path_.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool ScratchImage::Delete() { return DeleteFileA(path_.c_str()) != FALSE; }

}  // namespace morvane::test
