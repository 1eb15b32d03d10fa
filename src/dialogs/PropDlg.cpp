#include "dialogs/PropDlg.h"

namespace morvane {

CPropDlg::CPropDlg(CMorvaneApp& app, const std::string& name, HWND parent) : m_app(app), m_hParent(parent) {
    m_bNotFound = !m_app.FindImage(name, m_image);
}

INT_PTR CPropDlg::DoModal() {
    if (m_bNotFound) return m_app.ShowMessage(m_app.LangText(TextId::FileNotFound), MB_OK);
    // The dialog itself is not built yet: nothing was shown or changed.
    return IDCANCEL;
}

}  // namespace morvane
