#include "ui/Wnd.h"

#include <vector>

#include "win32/NoThrow.h"

namespace morvane::ui {
namespace {

// The wrapper attached to a window, and the procedure it replaced. The second
// outlives the first when someone subclassed the window after us and our
// wrapper went away: our procedure is then still called and only passes on.
constexpr wchar_t kWrapperProp[] = L"Morvane.ui.CWnd";
constexpr wchar_t kSuperProp[] = L"Morvane.ui.SuperProc";

void RemoveSubclassProps(HWND hwnd) {
    RemovePropW(hwnd, kWrapperProp);
    RemovePropW(hwnd, kSuperProp);
}

}  // namespace

CWnd::~CWnd() {
    if (m_pfnSuper) Unsubclass();
}

std::wstring CWnd::GetWindowText() const {
    if (!m_hWnd) return std::wstring();
    const int length = GetWindowTextLengthW(m_hWnd);
    if (length <= 0) return std::wstring();
    std::vector<wchar_t> text(static_cast<size_t>(length) + 1);
    const int copied = ::GetWindowTextW(m_hWnd, text.data(), static_cast<int>(text.size()));
    return std::wstring(text.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

bool CWnd::SetWindowText(const std::wstring& text) const { return m_hWnd && ::SetWindowTextW(m_hWnd, text.c_str()); }

void CWnd::EnableWindow(bool enable) const {
    if (m_hWnd) ::EnableWindow(m_hWnd, enable);
}

bool CWnd::IsWindowEnabled() const { return m_hWnd && ::IsWindowEnabled(m_hWnd); }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return m_hWnd ? ::SendMessageW(m_hWnd, message, wParam, lParam) : 0;
}

DWORD CWnd::GetStyle() const { return m_hWnd ? static_cast<DWORD>(GetWindowLongW(m_hWnd, GWL_STYLE)) : 0; }

bool CWnd::ModifyStyle(DWORD remove, DWORD add) const {
    if (!m_hWnd) return false;
    SetLastError(0);
    const LONG style = GetWindowLongW(m_hWnd, GWL_STYLE);
    if (style == 0 && GetLastError() != 0) return false;
    SetLastError(0);
    const LONG changed = static_cast<LONG>((static_cast<DWORD>(style) & ~remove) | add);
    return SetWindowLongW(m_hWnd, GWL_STYLE, changed) != 0 || GetLastError() == 0;
}

HWND CWnd::GetDlgItem(int id) const { return m_hWnd ? ::GetDlgItem(m_hWnd, id) : nullptr; }

bool CWnd::SubclassWindow(HWND hwnd) {
    // A window that carries our procedure already, attached or only passing
    // on, must not get it twice: it would call itself.
    if (m_hWnd || !hwnd || !IsWindow(hwnd) || GetPropW(hwnd, kSuperProp)) return false;
    m_hWnd = hwnd;
    try {
        PreSubclassWindow();
    } catch (...) {
        m_hWnd = nullptr;
        throw;
    }
    const LONG_PTR super = GetWindowLongPtrW(hwnd, GWLP_WNDPROC);
    bool attached =
        super != 0 && SetPropW(hwnd, kSuperProp, reinterpret_cast<HANDLE>(super)) && SetPropW(hwnd, kWrapperProp, this);
    if (attached) {
        SetLastError(0);
        attached = SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc)) != 0 ||
                   GetLastError() == 0;
    }
    if (!attached) {
        const DWORD error = GetLastError();
        RemoveSubclassProps(hwnd);
        SetLastError(error);
        m_hWnd = nullptr;
        return false;
    }
    m_pfnSuper = reinterpret_cast<WNDPROC>(super);
    return true;
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd) { return hwnd ? static_cast<CWnd*>(GetPropW(hwnd, kWrapperProp)) : nullptr; }

HBRUSH CWnd::OnReflectedCtlColor(HDC, UINT) { return nullptr; }

bool CWnd::OnReflectedCommand(WORD) { return false; }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
}

void CWnd::Unsubclass() {
    RemovePropW(m_hWnd, kWrapperProp);
    if (GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&SubclassProc)) {
        SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
        RemovePropW(m_hWnd, kSuperProp);
    }
    m_hWnd = nullptr;
    m_pfnSuper = nullptr;
}

LRESULT CALLBACK CWnd::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto super = reinterpret_cast<WNDPROC>(GetPropW(hwnd, kSuperProp));
    if (!super) return DefWindowProcW(hwnd, message, wParam, lParam);
    CWnd* const wnd = FromHandlePermanent(hwnd);
    if (message == WM_NCDESTROY) {
        if (wnd) wnd->Unsubclass();
        RemoveSubclassProps(hwnd);
        return CallWindowProcW(super, hwnd, message, wParam, lParam);
    }
    if (!wnd) return CallWindowProcW(super, hwnd, message, wParam, lParam);
    return win32::NoThrow([&] { return wnd->WindowProc(message, wParam, lParam); }, [] { return LRESULT{0}; });
}

}  // namespace morvane::ui
