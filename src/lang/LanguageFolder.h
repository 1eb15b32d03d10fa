// Where language files are: the Language folder beside the plug-in's own
// file, never beside the program that loaded it.
#pragma once

#include <optional>
#include <string>

namespace morvane {

// Whether a language setting selects the built-in texts.
bool IsBuiltinLanguage(const std::string& langFile);

// The full path of a language file; nothing when the plug-in cannot tell its
// own folder, which then has no language folder either (the current
// directory is never searched).
std::optional<std::string> LanguageFilePath(const std::string& langFile);

}  // namespace morvane
