#include "lang/BuiltinTexts.h"

namespace morvane {

const char* BuiltinText(uint32_t id) {
    switch (id) {
    case 1001:
        return "\xD4\xE0\xE9\xEB \xED\xE5 \xED\xE0\xE9\xE4\xE5\xED!";
    default:
        return nullptr;
    }
}

}  // namespace morvane
