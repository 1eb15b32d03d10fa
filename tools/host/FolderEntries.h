// The folder's entries as the plug-in hands them over: FsFindFirstW (or
// FsFindFirst), then FsFindNextW (FsFindNext) until it answers FALSE, then
// FsFindClose, all of it one listing operation of the file manager's.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "FindDataText.h"
#include "HostOptions.h"
#include "PluginLibrary.h"

namespace mvhost {

// At most 100,000 entries: a plug-in that never ends its enumeration must
// not hang the host. False, with FsFindFirst's last error in `error`, when
// it failed for another reason than an empty folder.
bool ListFolderEntries(const PluginCalls& calls, const HostOptions& options, const std::string& folder,
                       std::vector<FolderEntry>& entries, DWORD& error);

}  // namespace mvhost
