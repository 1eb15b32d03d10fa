// A window state in print, one line per control, in UTF-8:
//   [dialog] Properties
//     1003 combo "" enabled items: C: D: M: [selected M:]
//     1004 check "&Restore after restart" enabled unchecked
// and a message box with its text, buttons and icon:
//   [message box] Morvane
//     Unmount the image first?
//     buttons: Yes No (default Yes), icon: question
#pragma once

#include <string>

#include "uidriver/WindowState.h"

namespace uidriver {

// Ends with a line break.
std::string StateText(const WindowState& state);

}  // namespace uidriver
