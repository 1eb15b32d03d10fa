#include "win32/ModalOwner.h"

namespace morvane::win32 {

HWND ModalOwner(HWND fallback) {
    HWND owner = GetActiveWindow();
    if (!owner) owner = fallback;
    // A child window cannot own a popup: its top-level window does.
    while (owner && (GetWindowLongA(owner, GWL_STYLE) & WS_CHILD)) owner = GetParent(owner);
    return owner ? GetLastActivePopup(owner) : nullptr;
}

}  // namespace morvane::win32
