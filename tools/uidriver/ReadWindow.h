// Reads a dialog or message box of another thread of this process the way a
// user sees it.
#pragma once

#include <windows.h>

#include "uidriver/WindowState.h"

namespace uidriver {

// What can be read; a window that is gone gives an empty state.
WindowState ReadWindow(HWND window);
// One control of a dialog.
ControlState ReadControl(HWND control);
// Only the control's kind, read from its class and style.
ControlKind KindOfControl(HWND control);

// A message box has one text, at most an icon and only the buttons a box
// offers. The text's identifier alone does not tell: dialogs number their
// labels the same way.
bool IsMessageBox(const WindowState& state);

}  // namespace uidriver
