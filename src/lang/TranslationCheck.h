// Some texts are filled in with the caller's arguments: a translation of one
// of them is used only when it takes the built-in text's arguments, or the
// first of them, in the same bare form, so that a damaged or careless
// language file cannot make the formatting read what was never passed.
#pragma once

#include <cstdint>
#include <string_view>

namespace morvane {

// Whether code formats the text of `id` with arguments.
bool IsFormattedText(uint32_t id);

// Whether `translation` may be shown in place of `builtinText` for `id`.
bool AcceptTranslation(uint32_t id, std::string_view translation, std::string_view builtinText);

}  // namespace morvane
