// The built-in (Russian, Windows-1251) texts of every text identifier that
// code looks up; a language file may translate each of them.
#pragma once

#include <cstdint>

namespace morvane {

// The built-in text of `id`, or null when code never looks `id` up.
const char* BuiltinText(uint32_t id);

}  // namespace morvane
