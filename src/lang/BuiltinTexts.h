// The built-in (Russian, Windows-1251) texts of every text identifier that
// code looks up; a language file may translate each of them.
#pragma once

#include <cstdint>

namespace morvane {

// The built-in text of `id`, or null when code never looks `id` up or `id`
// has no built-in text (53).
const char* BuiltinText(uint32_t id);

// Shown when a chosen language file cannot be opened; bilingual and never
// translated, since the language it would come from is the one missing.
const char* MissingLanguageFileText();

}  // namespace morvane
