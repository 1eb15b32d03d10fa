// Which of the system's standard icons a static control shows: message boxes
// and dialogs show the shared icons that LoadIcon hands out.
#pragma once

#include <windows.h>

namespace uidriver {

// MB_ICONEXCLAMATION, MB_ICONQUESTION, MB_ICONINFORMATION or MB_ICONERROR;
// 0 for another icon or none.
UINT StandardIconOf(HWND iconControl);
// "exclamation", "question", "information", "error" or "none".
const char* StandardIconName(UINT icon);

}  // namespace uidriver
