#include "dialogs/MLangDlg.h"

namespace morvane {

std::wstring CMLangDlg::ShownText(int, const std::wstring& text) const { return text; }

void CMLangDlg::TranslateDialog(TextId caption, const ControlText* controls, size_t count) {
    SetWindowText(m_host.Text(caption));
    for (size_t i = 0; i < count; ++i)
        SetItemText(controls[i].controlId, ShownText(controls[i].controlId, m_host.Text(controls[i].textId)));
}

}  // namespace morvane
