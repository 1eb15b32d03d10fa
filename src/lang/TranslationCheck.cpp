#include "lang/TranslationCheck.h"

#include "lang/PrintfConversions.h"

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
    return !IsFormattedText(id) || SamePrintfConversions(translation, builtinText);
}

}  // namespace morvane
