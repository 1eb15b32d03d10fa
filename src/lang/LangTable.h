// The language string table: text identifier to translated text, each
// identifier at most once. Texts are bytes in the system's ANSI code page.
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace morvane {

using LangTable = std::map<uint32_t, std::string>;

}  // namespace morvane
