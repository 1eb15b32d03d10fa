// The entry that a name of the file manager addresses. The folder has no
// subfolders: only "\name", or a bare name, names an entry; "\dir\name" names
// none, not the entry "name".
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace morvane {

// The display name; nothing for a name below the root. The root itself, "\",
// gives the empty name, which no entry has.
std::optional<std::wstring> EntryNameOf(std::wstring_view hostName);

}  // namespace morvane
