// What may be registered as an image: a regular file, named exactly, and the
// spellings of its name and path that a record can hold.
#pragma once

#include <windows.h>

#include <string>

#include "catalogue/FileInfo.h"

namespace morvane {

// The directory entry of the regular file that `localPath` (a full path of
// any length the file manager passes) names, as the system's file search
// reports it; false for a missing file, a directory, a device (NUL, CON,
// COM1...), a wildcard pattern, or a path that the system would take for
// another file (a trailing full stop or blank). `out` is only written on
// success.
bool ReadImageFileEntry(const std::wstring& localPath, WIN32_FIND_DATAW& out);

// The record's find data for the file found, named `displayName` (see
// SetRecordName).
void SetRecordFindData(const WIN32_FIND_DATAW& found, const std::wstring& displayName, FindData& out);
// The record's name field for `displayName`: the name's own spelling in the
// code page where it has one that fits, else the file's short name (from the
// find data, ASCII), else the name with '?' for what the code page cannot
// spell. The entry's real name is its value's name.
void SetRecordName(const std::wstring& displayName, FindData& out);

// The path as a record holds it for the driver and for older readers: its own
// spelling in the code page where it has one that fits 260 bytes, else that
// of its short form; empty when neither exists (a volume without short
// names), for Mount to say so.
std::string RecordImagePath(const std::wstring& localPath);

}  // namespace morvane
