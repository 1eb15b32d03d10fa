#include "lang/TranslationCheck.h"

#include "lang/TextFormat.h"

namespace morvane {

bool IsFormattedText(uint32_t id) {
    switch (id) {
    case 1004:  // drive letter, image name
    case 1006:  // image name, drive letter
    case 1007:  // image name, drive letter
    case 1008:  // image name, drive letter
    case 1011:  // error code
        return true;
    default:
        return false;
    }
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
