// A registry value read back as text. Every setting that is text goes
// through here: the language choice, the Run value.
#pragma once

#include <optional>
#include <string>

#include "win32/RegKey.h"

namespace morvane::win32 {

// The value's text up to its first zero. Nothing when the value is missing
// or cannot be read, is longer than `maxBytes`, or is not a string that ends
// with its terminator: a REG_SZ or REG_EXPAND_SZ ends with one zero
// character, a REG_MULTI_SZ with two (one, if that is all it holds). An empty
// value of any type reads as the empty text when `emptyCounts` (the Run
// value: an empty one is left alone), and as nothing otherwise.
std::optional<std::wstring> ReadRegistryString(const RegKey& key, const wchar_t* name, size_t maxBytes,
                                               bool emptyCounts);

}  // namespace morvane::win32
