// Where the language choice is remembered, in the current user's hive.
#pragma once

namespace morvane {

constexpr const char kSettingsKey[] = "Software\\Tarnwell Incorporation\\Morvane\\Settings";
constexpr const wchar_t kLangFileValue[] = L"LangFile";
// The language tried when none was chosen: English, if its file is installed.
constexpr const wchar_t kDefaultLangFile[] = L"MV_eng.lng";
// Any setting that contains this selects the built-in texts.
constexpr const wchar_t kBuiltinLanguageMark[] = L"<main>";

}  // namespace morvane
