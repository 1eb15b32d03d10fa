// A modal dialog from a dialog template of the plug-in's own module. One
// dialog procedure keeps the object with the window from WM_INITDIALOG on and
// calls its virtual handlers; exceptions stop there (a handler that throws
// counts as not having handled its message, and a throwing OnInitDialog ends
// the dialog with -1).
#pragma once

#include <windows.h>

#include <string>

#include "ui/ComboBox.h"
#include "ui/DataExchange.h"
#include "ui/Wnd.h"

namespace morvane::ui {

class CDialog : public CWnd {
public:
    CDialog(UINT templateId, HWND parent) : m_nIDTemplate(templateId), m_hWndParent(parent) {}

    // Runs the dialog until EndDialog; answers its result, or -1 when it
    // could not be created or initialised (also while it is already running).
    virtual INT_PTR DoModal();
    // Ends the open dialog with `result` once the current message is handled.
    void EndDialog(INT_PTR result) const;
    // Runs DoDataExchange; false when an exchange failed (see DataExchange.h)
    // or the dialog is not open.
    bool UpdateData(bool saveAndValidate);

    // Controls by their identifier, for those that are only read or flipped.
    // A control that is not there reads as disabled, unchecked and empty.
    void EnableItem(int id, bool enable) const;
    bool IsItemEnabled(int id) const;
    void CheckItem(int id, bool check) const;
    bool IsItemChecked(int id) const;
    void SetItemText(int id, const std::wstring& text) const;
    std::wstring GetItemText(int id) const;
    // A combo box, for filling and searching its list.
    CComboBox ComboBoxItem(int id) const { return CComboBox(GetDlgItem(id)); }

protected:
    // Adds the items of the template's initialisation data to their controls,
    // then shows the members in the controls. Ends the dialog with -1 when
    // either fails. TRUE: the system sets the focus.
    virtual BOOL OnInitDialog();
    // Takes the controls into the members and, if that succeeds, ends with IDOK.
    virtual void OnOK();
    // Ends with IDCANCEL. The Escape key and the caption's close box arrive here too.
    virtual void OnCancel();
    // A command (menu, accelerator or control notification) before the
    // default routing of IDOK and IDCANCEL clicks; true when handled.
    virtual bool OnCommand(WORD id, WORD code, HWND control);
    // Any other message, as a dialog procedure answers it: FALSE (the
    // default) leaves it to the system.
    virtual INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void DoDataExchange(CDataExchange&) {}

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    bool RouteCommand(WORD id, WORD code, HWND control);
    // The subclassed child `hwnd` of this dialog, or null.
    CWnd* AttachedChild(HWND hwnd) const;
    // False when the data names a control the template lacks, an item could
    // not be added, or the data is damaged; true also when there is none.
    bool ExecuteDlgInit() const;

    UINT m_nIDTemplate;
    HWND m_hWndParent;
};

}  // namespace morvane::ui
