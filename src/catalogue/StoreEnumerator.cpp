#include "catalogue/StoreEnumerator.h"

#include <cstring>

#include "catalogue/StoreKey.h"

namespace morvane {

LONG StoreEnumerator::Open() {
    LONG rc = key_.Open(HKEY_CURRENT_USER, kFilesListKey, KEY_READ);
    if (rc != ERROR_SUCCESS) return rc;
    DWORD maxNameLength = 0;
    rc = key_.QueryValueCountAndNameLength(&valueCount_, &maxNameLength);
    if (rc != ERROR_SUCCESS) {
        key_.Close();
        return rc;
    }
    name_.assign(maxNameLength + 1, '\0');
    index_ = 0;
    return ERROR_SUCCESS;
}

bool StoreEnumerator::Next(std::string& valueName, CFileInfo& record) {
    while (key_.IsOpen() && index_ < valueCount_) {
        const DWORD index = index_++;
        // Cleared for every value, so that a short value never carries bytes
        // of the record read before it.
        CFileInfo buffer = EmptyFileInfo();
        DWORD nameLength = static_cast<DWORD>(name_.size());
        DWORD type = 0;
        DWORD size = sizeof buffer;
        const LONG rc = RegEnumValueA(key_.Get(), index, name_.data(), &nameLength, nullptr, &type,
                                      reinterpret_cast<BYTE*>(&buffer), &size);
        if (rc != ERROR_SUCCESS || type != REG_BINARY) continue;
        valueName.assign(name_.data(), nameLength);
        record = buffer;
        return true;
    }
    return false;
}

}  // namespace morvane
