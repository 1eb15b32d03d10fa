#include "ui/DataExchange.h"

namespace morvane::ui {

HWND CDataExchange::PrepareCtrl(int id) {
    if (m_bFailed) return nullptr;
    HWND control = m_dialog.GetDlgItem(id);
    if (!control) m_bFailed = true;
    return control;
}

void DDX_Text(CDataExchange& dx, int id, std::wstring& value) {
    CWnd control(dx.PrepareCtrl(id));
    if (!control.GetSafeHwnd()) return;
    if (dx.m_bSaveAndValidate) {
        value = control.GetWindowText();
    } else if (!control.SetWindowText(value)) {
        dx.Fail();
    }
}

void DDX_CBIndex(CDataExchange& dx, int id, int& index) {
    CWnd control(dx.PrepareCtrl(id));
    if (!control.GetSafeHwnd()) return;
    if (dx.m_bSaveAndValidate) {
        index = static_cast<int>(control.SendMessage(CB_GETCURSEL));
    } else {
        control.SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index));
    }
}

void DDX_Check(CDataExchange& dx, int id, int& value) {
    CWnd control(dx.PrepareCtrl(id));
    if (!control.GetSafeHwnd()) return;
    if (dx.m_bSaveAndValidate) {
        value = control.SendMessage(BM_GETCHECK) == BST_CHECKED ? 1 : 0;
    } else {
        control.SendMessage(BM_SETCHECK, value != 0 ? BST_CHECKED : BST_UNCHECKED);
    }
}

void DDX_Radio(CDataExchange& dx, int firstId, int& value) {
    HWND button = dx.PrepareCtrl(firstId);
    if (!button) return;
    int checked = -1;
    int index = 0;
    do {
        CWnd control(button);
        if (control.SendMessage(WM_GETDLGCODE) & DLGC_RADIOBUTTON) {
            if (dx.m_bSaveAndValidate) {
                if (control.SendMessage(BM_GETCHECK) == BST_CHECKED) checked = index;
            } else {
                control.SendMessage(BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED);
            }
            ++index;
        }
        button = GetWindow(button, GW_HWNDNEXT);
    } while (button && !(CWnd(button).GetStyle() & WS_GROUP));
    if (dx.m_bSaveAndValidate) value = checked;
}

void DDX_Control(CDataExchange& dx, int id, CWnd& control) {
    if (control.GetSafeHwnd()) return;
    HWND item = dx.PrepareCtrl(id);
    if (item && !control.SubclassWindow(item)) dx.Fail();
}

}  // namespace morvane::ui
