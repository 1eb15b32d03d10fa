#include "win32/WinApp.h"

#include "win32/ModalOwner.h"
#include "win32/OwnModule.h"

namespace morvane::win32 {

CWinApp::CWinApp() : m_strAppTitle(ModuleTitle()) {}

int CWinApp::ShowMessage(const std::wstring& text, UINT type) const {
    return MessageBoxW(ModalOwner(m_hHostWindow), text.c_str(), m_strAppTitle.c_str(), type);
}

}  // namespace morvane::win32
