// The plug-in's folder as the file manager lists it: FsFindFirst, then
// FsFindNext until it answers FALSE, then FsFindClose.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "harness/Plugin.h"

namespace morvane::test {

struct FolderListing {
    HANDLE first = INVALID_HANDLE_VALUE;
    // The last error after FsFindFirst answered -1.
    DWORD firstError = 0;
    std::vector<WIN32_FIND_DATAA> entries;
};

FolderListing ListFolder(const PluginExports& fs, const std::string& path = "\\");

// The name field up to its terminator, never past the field.
std::string NameOf(const WIN32_FIND_DATAA& data);
std::vector<std::string> NamesOf(const FolderListing& listing);
// The root's names as the wide calls list them (FsFindFirstW...).
std::vector<std::wstring> ListWideNames(const PluginExports& fs);

}  // namespace morvane::test
