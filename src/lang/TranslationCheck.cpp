#include "lang/TranslationCheck.h"

#include "lang/TextFormat.h"
#include "lang/TextTable.h"

namespace morvane {

bool IsFormattedText(uint32_t id) {
    for (const TextEntry& entry : kTextTable)
        if (Number(entry.id) == id) return entry.formatted;
    return false;
}

bool AcceptTranslation(uint32_t id, std::string_view translation, std::string_view builtinText) {
    if (!IsFormattedText(id)) return true;
    const std::optional<std::string> mine = TextConversions(translation);
    const std::optional<std::string> theirs = TextConversions(builtinText);
    // Leaving out the last arguments is the translator's choice; another
    // kind, another order or one more would read what was never passed.
    return mine && theirs && theirs->compare(0, mine->size(), *mine) == 0;
}

}  // namespace morvane
