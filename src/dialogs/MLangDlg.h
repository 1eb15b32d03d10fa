// The base of the plug-in's dialogs: each shows its caption and control texts
// in the language in force, from one static list of (control, text) pairs
// with the caption apart. The templates carry the same built-in texts, so a
// dialog looks the same before and after, in the built-in language.
#pragma once

#include <cstddef>
#include <string>

#include "dialogs/ControlText.h"
#include "dialogs/DialogHost.h"
#include "ui/Dialog.h"

namespace morvane {

class CMLangDlg : public ui::CDialog {
public:
    CMLangDlg(UINT templateId, HWND parent, DialogHost& host) : CDialog(templateId, parent), m_host(host) {}

protected:
    // Called from OnInitDialog, and again whenever the language changes
    // while the dialog is open.
    template <size_t N>
    void TranslateDialog(TextId caption, const ControlText (&controls)[N]) {
        TranslateDialog(caption, controls, N);
    }
    // What a control shows for the text of its entry: by default that text;
    // a dialog whose controls show more (a name, a version) adds it here.
    virtual std::wstring ShownText(int controlId, const std::wstring& text) const;

    DialogHost& m_host;

private:
    void TranslateDialog(TextId caption, const ControlText* controls, size_t count);
};

}  // namespace morvane
