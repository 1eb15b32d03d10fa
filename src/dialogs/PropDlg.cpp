#include "dialogs/PropDlg.h"

#include "plugin/MorvaneApp.h"

namespace morvane {

CPropDlg::CPropDlg(const std::string& name, HWND parent) : m_hParent(parent) {
    m_bNotFound = !App().FindImage(name, m_image);
}

INT_PTR CPropDlg::DoModal() {
    if (m_bNotFound) return App().ShowMessage(App().LangText(1001), MB_OK);
    // The dialog itself is not built yet: nothing was shown or changed.
    return IDCANCEL;
}

}  // namespace morvane
