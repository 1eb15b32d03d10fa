// The built-in (Russian, Windows-1251) texts of the text table.
#pragma once

#include <cstdint>

namespace morvane {

// The built-in text of `id`, or null for an identifier that code never looks
// up or that has no built-in text (the developer label).
const char* BuiltinText(uint32_t id);

// Shown when a chosen language file cannot be opened; bilingual and never
// translated, since the language it would come from is the one missing.
const char* MissingLanguageFileText();

}  // namespace morvane
