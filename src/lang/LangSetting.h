// The language the user chose, remembered in the current user's hive.
#pragma once

#include <string>

namespace morvane {

// The stored choice: a language file's name, or a text containing the
// built-in language's mark. The English file when nothing usable is stored.
std::wstring ReadLangSetting();

// Stores the choice; false when the key cannot be created or written.
bool SaveLangSetting(const std::wstring& langFile);

}  // namespace morvane
