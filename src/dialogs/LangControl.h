// Which text of the language table belongs to which control of a dialog.
#pragma once

#include <cstdint>

#include "lang/TextIds.h"

namespace morvane {

// The dialog's own caption.
constexpr int kCaptionControl = -1;

// One entry of a dialog's control table; an entry with control 0 ends it.
struct LangControl {
    int controlId;
    uint32_t textId;
};

}  // namespace morvane
