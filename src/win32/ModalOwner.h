// Which window a modal box or dialog of the plug-in belongs to, when its
// caller named none: the thread's active window (a dialog of the plug-in, or
// the file manager's window), else `fallback`. The owner is disabled while
// the box or dialog is up, so the user cannot start anything behind it.
#pragma once

#include <windows.h>

namespace morvane::win32 {

// Null when there is neither.
HWND ModalOwner(HWND fallback);

}  // namespace morvane::win32
