// Which text of the language table a control of a dialog shows.
#pragma once

#include "lang/TextIds.h"

namespace morvane {

struct ControlText {
    int controlId;
    TextId textId;
};

}  // namespace morvane
