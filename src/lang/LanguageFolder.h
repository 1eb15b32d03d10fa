// Where language files are: the Language folder beside the plug-in's own
// file, never beside the program that loaded it, and nothing outside it.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace morvane {

// Whether a language setting selects the built-in texts.
bool IsBuiltinLanguage(const std::wstring& langFile);

// The full path of a language file. Nothing when the plug-in cannot tell its
// own folder, which then has no language folder either (the current
// directory is never searched), and for a setting that is not a plain file
// name: a folder part or a drive would reach a file outside the folder.
std::optional<std::wstring> LanguageFilePath(const std::wstring& langFile);

// The language files the user may choose, in the folder's order: every file
// named *.lng, so no folder, by its own name.
std::vector<std::wstring> ListLanguageFiles();

}  // namespace morvane
