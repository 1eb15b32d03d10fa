#include "win32/WinApp.h"

#include "win32/OwnModule.h"

namespace morvane::win32 {

CWinApp::CWinApp() : m_strAppTitle(ModuleTitle()) {}

namespace {

HWND MessageOwner(HWND hostWindow) {
    HWND owner = GetActiveWindow();
    if (!owner) owner = hostWindow;
    // A child window cannot own a box: its top-level window does.
    while (owner && (GetWindowLongA(owner, GWL_STYLE) & WS_CHILD)) owner = GetParent(owner);
    return owner ? GetLastActivePopup(owner) : nullptr;
}

}  // namespace

int CWinApp::ShowMessage(const std::string& text, UINT type) const {
    return MessageBoxA(MessageOwner(m_hHostWindow), text.c_str(), m_strAppTitle.c_str(), type);
}

}  // namespace morvane::win32
