// Reads a language file: lines "<identifier>=<text>", everything else skipped.
// Bytes in, table out; the caller reads the file.
#pragma once

#include <cstddef>
#include <string_view>

#include "lang/LangTable.h"

namespace morvane {

// Lines are read as by a text-mode stream into a 1024-byte buffer, so a line
// longer than this, its line feed counted, comes in pieces of its own.
constexpr size_t kLangLinePieceSize = 1023;

// The table that the file's bytes describe; later lines replace earlier ones.
LangTable ParseLanguageFile(std::string_view bytes);

}  // namespace morvane
