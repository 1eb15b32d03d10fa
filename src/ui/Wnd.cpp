#include "ui/Wnd.h"

#include <vector>

#include "win32/NoThrow.h"

namespace morvane::ui {
namespace {

// The wrapper attached to a window, and the procedure it replaced. The second
// outlives the first when someone subclassed the window after us and our
// wrapper went away: our procedure is then still called and only passes on.
constexpr char kWrapperProp[] = "Morvane.ui.CWnd";
constexpr char kSuperProp[] = "Morvane.ui.SuperProc";

void RemoveSubclassProps(HWND hwnd) {
    RemovePropA(hwnd, kWrapperProp);
    RemovePropA(hwnd, kSuperProp);
}

}  // namespace

CWnd::~CWnd() {
    if (m_pfnSuper) Unsubclass();
}

std::string CWnd::GetWindowText() const {
    if (!m_hWnd) return std::string();
    const int length = GetWindowTextLengthA(m_hWnd);
    if (length <= 0) return std::string();
    std::vector<char> text(static_cast<size_t>(length) + 1);
    const int copied = ::GetWindowTextA(m_hWnd, text.data(), static_cast<int>(text.size()));
    return std::string(text.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

bool CWnd::SetWindowText(const std::string& text) const {
    return m_hWnd && ::SetWindowTextA(m_hWnd, text.c_str());
}

void CWnd::EnableWindow(bool enable) const {
    if (m_hWnd) ::EnableWindow(m_hWnd, enable);
}

bool CWnd::IsWindowEnabled() const { return m_hWnd && ::IsWindowEnabled(m_hWnd); }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return m_hWnd ? ::SendMessageA(m_hWnd, message, wParam, lParam) : 0;
}

DWORD CWnd::GetStyle() const { return m_hWnd ? static_cast<DWORD>(GetWindowLongA(m_hWnd, GWL_STYLE)) : 0; }

bool CWnd::ModifyStyle(DWORD remove, DWORD add) const {
    if (!m_hWnd) return false;
    SetLastError(0);
    const LONG style = GetWindowLongA(m_hWnd, GWL_STYLE);
    if (style == 0 && GetLastError() != 0) return false;
    SetLastError(0);
    const LONG changed = static_cast<LONG>((static_cast<DWORD>(style) & ~remove) | add);
    return SetWindowLongA(m_hWnd, GWL_STYLE, changed) != 0 || GetLastError() == 0;
}

HWND CWnd::GetDlgItem(int id) const { return m_hWnd ? ::GetDlgItem(m_hWnd, id) : nullptr; }

bool CWnd::SubclassWindow(HWND hwnd) {
    // A window that carries our procedure already, attached or only passing
    // on, must not get it twice: it would call itself.
    if (m_hWnd || !hwnd || !IsWindow(hwnd) || GetPropA(hwnd, kSuperProp)) return false;
    m_hWnd = hwnd;
    try {
        PreSubclassWindow();
    } catch (...) {
        m_hWnd = nullptr;
        throw;
    }
    const LONG_PTR super = GetWindowLongPtrA(hwnd, GWLP_WNDPROC);
    bool attached = super != 0 && SetPropA(hwnd, kSuperProp, reinterpret_cast<HANDLE>(super)) &&
                    SetPropA(hwnd, kWrapperProp, this);
    if (attached) {
        SetLastError(0);
        attached = SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc)) != 0 ||
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

CWnd* CWnd::FromHandlePermanent(HWND hwnd) {
    return hwnd ? static_cast<CWnd*>(GetPropA(hwnd, kWrapperProp)) : nullptr;
}

HBRUSH CWnd::OnReflectedCtlColor(HDC, UINT) { return nullptr; }

bool CWnd::OnReflectedCommand(WORD) { return false; }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
}

void CWnd::Unsubclass() {
    RemovePropA(m_hWnd, kWrapperProp);
    if (GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&SubclassProc)) {
        SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
        RemovePropA(m_hWnd, kSuperProp);
    }
    m_hWnd = nullptr;
    m_pfnSuper = nullptr;
}

LRESULT CALLBACK CWnd::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto super = reinterpret_cast<WNDPROC>(GetPropA(hwnd, kSuperProp));
    if (!super) return DefWindowProcA(hwnd, message, wParam, lParam);
    CWnd* const wnd = FromHandlePermanent(hwnd);
    if (message == WM_NCDESTROY) {
        if (wnd) wnd->Unsubclass();
        RemoveSubclassProps(hwnd);
        return CallWindowProcA(super, hwnd, message, wParam, lParam);
    }
    if (!wnd) return CallWindowProcA(super, hwnd, message, wParam, lParam);
    return win32::NoThrow([&] { return wnd->WindowProc(message, wParam, lParam); }, [] { return LRESULT{0}; });
}

}  // namespace morvane::ui
