// Reads the records of the catalogue's registry key in the registry's own
// enumeration order, skipping every value that is not a record.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "catalogue/FileInfo.h"
#include "win32/RegKey.h"

namespace morvane {

class StoreEnumerator {
public:
    // Opens the key for reading and learns how many values it holds. On
    // failure (the registry's code is answered) nothing may be read.
    LONG Open();

    // The next REG_BINARY value of at most 596 bytes; false when none is left.
    // A shorter value is taken as a record whose remaining bytes are zero.
    bool Next(std::string& valueName, CFileInfo& record);

private:
    win32::RegKey key_;
    DWORD valueCount_ = 0;
    DWORD index_ = 0;
    std::vector<char> name_;
};

}  // namespace morvane
