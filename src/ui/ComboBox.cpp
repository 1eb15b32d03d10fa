#include "ui/ComboBox.h"

#include <vector>

namespace morvane::ui {

int CComboBox::AddString(const std::wstring& text) const {
    if (!m_hWnd) return CB_ERR;
    return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

int CComboBox::GetCount() const { return m_hWnd ? static_cast<int>(SendMessage(CB_GETCOUNT)) : CB_ERR; }

int CComboBox::SetCurSel(int index) const {
    return m_hWnd ? static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index))) : CB_ERR;
}

std::wstring CComboBox::GetLBText(int index) const {
    if (!m_hWnd) return std::wstring();
    const LRESULT length = SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length <= 0) return std::wstring();
    std::vector<wchar_t> text(static_cast<size_t>(length) + 1);
    const LRESULT copied = SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    // The length asked first is an upper bound; the copy ends at its zero.
    if (copied <= 0) return std::wstring();
    text.back() = L'\0';
    return std::wstring(text.data());
}

int CComboBox::FindString(int startAfter, const std::wstring& prefix) const {
    if (!m_hWnd) return CB_ERR;
    return static_cast<int>(
        SendMessage(CB_FINDSTRING, static_cast<WPARAM>(startAfter), reinterpret_cast<LPARAM>(prefix.c_str())));
}

}  // namespace morvane::ui
