// Which registry value names can stand for a catalogue entry.
#pragma once

#include <string_view>

#include "catalogue/FileInfo.h"

namespace morvane {

// The file manager addresses an entry by the name after the last backslash,
// so a name with a backslash would address another entry; an empty name is
// the key's default value; a name that does not fit the file manager's
// record of a listed name (260 characters with its terminator) was never
// written by the plug-in. Values with such names are left alone.
inline bool IsAddressableValueName(std::wstring_view name) {
    return !name.empty() && name.size() < kTextFieldSize && name.find(L'\\') == std::wstring_view::npos &&
           name.find(L'\0') == std::wstring_view::npos;
}

}  // namespace morvane
