// A window by its handle, without owning it. Texts are UTF-16, as the
// plug-in's windows are wide ones. Every call on a wrapper without a window (or on a
// window that is gone) does nothing and answers the stated failure value.
#pragma once

#include <windows.h>

#include <string>

namespace morvane::ui {

class CWnd {
public:
    CWnd() = default;
    explicit CWnd(HWND hwnd) : m_hWnd(hwnd) {}
    // A wrapper still attached by subclassing gives the window back its own
    // procedure, so that no message reaches a destroyed object.
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }

    // Empty when there is no text or no window.
    std::wstring GetWindowText() const;
    // False when the window refused the text.
    bool SetWindowText(const std::wstring& text) const;
    void EnableWindow(bool enable) const;
    // False also without a window.
    bool IsWindowEnabled() const;
    // 0 without a window.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    // 0 without a window.
    DWORD GetStyle() const;
    // False when the style could not be read or written.
    bool ModifyStyle(DWORD remove, DWORD add) const;
    // Null when there is no child with that identifier.
    HWND GetDlgItem(int id) const;

    // Attaches to an existing window, typically a dialog's control: the
    // wrapper takes the handle, PreSubclassWindow runs, then the window's
    // procedure is replaced by one that calls WindowProc. The window gets its
    // procedure back when it is destroyed. False, and nothing attached, when
    // this wrapper already has a window, `hwnd` is none, another wrapper is
    // attached to it, or the procedure could not be replaced.
    bool SubclassWindow(HWND hwnd);
    // The wrapper attached to `hwnd` by SubclassWindow, or null.
    static CWnd* FromHandlePermanent(HWND hwnd);

    // Asked first by the owning dialog when the control requests its colours
    // (`ctlType` is one of CTLCOLOR_MSGBOX..CTLCOLOR_STATIC): a brush, or null
    // to leave the request to the dialog.
    virtual HBRUSH OnReflectedCtlColor(HDC dc, UINT ctlType);
    // Asked first by the owning dialog when the control sends it a
    // notification: true when handled, so that the dialog takes it no further.
    virtual bool OnReflectedCommand(WORD code);

protected:
    // Runs at attaching, before the window procedure is replaced: the place to
    // change the control's style, text or font.
    virtual void PreSubclassWindow() {}
    // Every message of a subclassed window; by default the window's own procedure.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd = nullptr;

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Gives the window its own procedure back, if no one replaced ours since.
    void Unsubclass();

    WNDPROC m_pfnSuper = nullptr;
};

}  // namespace morvane::ui
