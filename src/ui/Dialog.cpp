#include "ui/Dialog.h"

#include <cstdint>

#include "ui/DialogInitData.h"
#include "win32/AnsiText.h"
#include "win32/ModalOwner.h"
#include "win32/NoThrow.h"
#include "win32/OwnModule.h"

namespace morvane::ui {
namespace {

// The message that adds an entry's item to its control; 0 for the kinds of
// entries that add nothing here.
UINT AddStringMessage(uint16_t message) {
    switch (message) {
    case kDialogInitListBoxAddString:
        return LB_ADDSTRING;
    case kDialogInitComboBoxAddString:
        return CB_ADDSTRING;
    default:
        return 0;
    }
}

}  // namespace

INT_PTR CDialog::DoModal() {
    // The system answers 0 for a parent that is no window: not a result the
    // dialog could be told apart from.
    if (m_hWnd || (m_hWndParent && !IsWindow(m_hWndParent))) return -1;
    // The template is the plug-in's: a null module would be the host's.
    HMODULE module = win32::GetOwnModuleHandle();
    if (!module) return -1;
    // Without a parent of its own the dialog still belongs to the window it
    // was opened from, which stays disabled until it ends.
    const HWND owner = m_hWndParent ? m_hWndParent : win32::ModalOwner(nullptr);
    return DialogBoxParamW(module, MAKEINTRESOURCEW(m_nIDTemplate), owner, DialogProc, reinterpret_cast<LPARAM>(this));
}

void CDialog::EndDialog(INT_PTR result) const {
    if (m_hWnd) ::EndDialog(m_hWnd, result);
}

bool CDialog::UpdateData(bool saveAndValidate) {
    if (!m_hWnd) return false;
    CDataExchange dx(*this, saveAndValidate);
    DoDataExchange(dx);
    return !dx.Failed();
}

void CDialog::EnableItem(int id, bool enable) const { CWnd(GetDlgItem(id)).EnableWindow(enable); }

bool CDialog::IsItemEnabled(int id) const { return CWnd(GetDlgItem(id)).IsWindowEnabled(); }

void CDialog::CheckItem(int id, bool check) const {
    CWnd(GetDlgItem(id)).SendMessage(BM_SETCHECK, check ? BST_CHECKED : BST_UNCHECKED);
}

bool CDialog::IsItemChecked(int id) const { return CWnd(GetDlgItem(id)).SendMessage(BM_GETCHECK) == BST_CHECKED; }

void CDialog::SetItemText(int id, const std::wstring& text) const { CWnd(GetDlgItem(id)).SetWindowText(text); }

std::wstring CDialog::GetItemText(int id) const { return CWnd(GetDlgItem(id)).GetWindowText(); }

BOOL CDialog::OnInitDialog() {
    // A dialog whose lists or controls could not be filled must not take input.
    if (!ExecuteDlgInit() || !UpdateData(false)) {
        EndDialog(-1);
        return FALSE;
    }
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(true)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

bool CDialog::OnCommand(WORD, WORD, HWND) { return false; }

INT_PTR CDialog::OnMessage(UINT, WPARAM, LPARAM) { return FALSE; }

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* const dialog = reinterpret_cast<CDialog*>(lParam);
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        dialog->m_hWnd = hwnd;
        return win32::NoThrow([&] { return dialog->Dispatch(message, wParam, lParam); },
                              [hwnd] {
                                  ::EndDialog(hwnd, -1);
                                  return INT_PTR{FALSE};
                              });
    }
    // Messages before WM_INITDIALOG find no object yet.
    auto* const dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (!dialog) return FALSE;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        dialog->m_hWnd = nullptr;
        return FALSE;
    }
    return win32::NoThrow([&] { return dialog->Dispatch(message, wParam, lParam); }, [] { return INT_PTR{FALSE}; });
}

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) return OnInitDialog();
    if (message == WM_COMMAND) {
        return RouteCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)) ? TRUE : FALSE;
    }
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        CWnd* const child = AttachedChild(reinterpret_cast<HWND>(lParam));
        const HBRUSH brush =
            child ? child->OnReflectedCtlColor(reinterpret_cast<HDC>(wParam), message - WM_CTLCOLORMSGBOX) : nullptr;
        // A colour request answers the brush itself, not TRUE.
        if (brush) return reinterpret_cast<INT_PTR>(brush);
    }
    return OnMessage(message, wParam, lParam);
}

bool CDialog::RouteCommand(WORD id, WORD code, HWND control) {
    CWnd* const child = AttachedChild(control);
    if (child && child->OnReflectedCommand(code)) return true;
    if (OnCommand(id, code, control)) return true;
    // The system sends Escape and the caption's close box as a click on IDCANCEL.
    if (code != BN_CLICKED) return false;
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

CWnd* CDialog::AttachedChild(HWND hwnd) const {
    if (!hwnd || !m_hWnd || GetParent(hwnd) != m_hWnd) return nullptr;
    return FromHandlePermanent(hwnd);
}

bool CDialog::ExecuteDlgInit() const {
    HMODULE module = win32::GetOwnModuleHandle();
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(m_nIDTemplate), MAKEINTRESOURCEW(kDialogInitResourceType));
    if (!found) return true;
    HGLOBAL loaded = LoadResource(module, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return false;
    const auto entries = ParseDialogInitData(static_cast<const uint8_t*>(bytes), SizeofResource(module, found));
    if (!entries) return false;
    for (const DialogInitEntry& entry : *entries) {
        const UINT message = AddStringMessage(entry.message);
        if (message == 0) continue;
        HWND control = GetDlgItem(entry.controlId);
        if (!control) return false;
        // The data holds its texts in the code page. LB_ERR, LB_ERRSPACE and
        // their combo-box twins are all negative.
        const std::wstring text = win32::WideText(entry.text);
        if (::SendMessageW(control, message, 0, reinterpret_cast<LPARAM>(text.c_str())) < 0) return false;
    }
    return true;
}

}  // namespace morvane::ui
