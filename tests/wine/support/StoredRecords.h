// Catalogue records written to and read from the registry directly, as an
// earlier session of the plug-in (or another process) would have left them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/FileInfo.h"

namespace morvane::test {

struct RecordFields {
    std::string name;
    std::string imagePath;
    char letter = 'Z';
    uint32_t mode = 3;
    bool mounted = false;
    bool restore = false;
};

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
// The record stored as `valueName`; false unless it is a REG_BINARY value of
// exactly 596 bytes.
bool ReadRecord(const std::string& valueName, CFileInfo& record);
bool StoreKeyExists();

// A file standing in for a disk image, in a fresh folder of the temporary
// directory; both are deleted at the end of the scope.
class ScratchImage {
public:
    explicit ScratchImage(const std::string& fileName, uint32_t size = 2048);
    ~ScratchImage();
    ScratchImage(const ScratchImage&) = delete;
    ScratchImage& operator=(const ScratchImage&) = delete;

    bool IsReady() const { return ready_; }
    const std::string& Path() const { return path_; }
    bool Exists() const;
    // Deletes the file, as a user would behind the plug-in's back.
    bool Delete();

private:
    std::string folder_;
    std::string path_;
    bool ready_ = false;
};

}  // namespace morvane::test
