// Moving values between a dialog's members and its controls, both ways. A
// dialog lists its exchanges in DoDataExchange; the first one that fails
// ends the run: it and every later exchange leave members and controls as they
// were, and UpdateData answers false.
#pragma once

#include <windows.h>

#include <string>

#include "ui/Wnd.h"

namespace morvane::ui {

class CDataExchange {
public:
    // `saveAndValidate`: from the controls into the members; otherwise the
    // members are shown in the controls.
    CDataExchange(const CWnd& dialog, bool saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_dialog(dialog) {}

    const bool m_bSaveAndValidate;

    // The dialog's control with that identifier. Null when an earlier
    // exchange failed; null, and the run fails, when there is no such control.
    HWND PrepareCtrl(int id);
    void Fail() { m_bFailed = true; }
    bool Failed() const { return m_bFailed; }

private:
    const CWnd& m_dialog;
    bool m_bFailed = false;
};

// An edit control's text (any control's window text).
void DDX_Text(CDataExchange& dx, int id, std::wstring& value);
// A combo box's selected index; -1 for no selection.
void DDX_CBIndex(CDataExchange& dx, int id, int& index);
// A check box: 1 when checked, 0 otherwise (also for the third state); any
// value other than 0 shows as checked.
void DDX_Check(CDataExchange& dx, int id, int& value);
// A group of radio buttons that starts at `firstId` and runs up to the next
// control with WS_GROUP: the index of the checked button among the group's
// radio buttons, -1 when none is checked. Showing -1, or an index past the
// group, clears them all.
void DDX_Radio(CDataExchange& dx, int firstId, int& value);
// Attaches `control` to the dialog's control by subclassing, the first time
// only; the run fails when the control is missing or cannot be attached.
void DDX_Control(CDataExchange& dx, int id, CWnd& control);

}  // namespace morvane::ui
