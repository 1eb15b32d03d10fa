// A find record as the listing shows it, from the wide record or the narrow
// one.
#pragma once

#include <windows.h>

#include <string>

namespace mvhost {

struct FolderEntry {
    std::string name;  // UTF-8
    unsigned long long size = 0;
    FILETIME lastWrite{};
    DWORD attributes = 0;
};

// The name field is read up to its terminator, never past the field; the
// narrow one is decoded from the code page.
FolderEntry EntryOf(const WIN32_FIND_DATAW& data);
FolderEntry EntryOf(const WIN32_FIND_DATAA& data);
// Last write time in local time, "YYYY-MM-DD HH:MM:SS"; "-" when zero.
std::string LastWriteText(const FILETIME& utc);
// Letters for the common attributes followed by the value in hex, e.g. "RA (0x21)".
std::string AttributeText(DWORD attributes);

}  // namespace mvhost
