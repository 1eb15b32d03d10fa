// The window a user would act on now among a thread's dialogs and message
// boxes: a modal window disables its owner, so that one is visible and
// enabled. A window that has just ended may linger hidden for a moment.
#pragma once

#include <windows.h>

namespace uidriver {

// Null when the thread shows no such window.
HWND ActiveWindow(DWORD thread);

}  // namespace uidriver
