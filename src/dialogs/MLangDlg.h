// The base of the plug-in's dialogs: the templates carry the built-in
// (Russian) texts, and a dialog replaces its caption and control texts by the
// language table's when it opens. A text the table lacks stays as it is.
#pragma once

#include "dialogs/LangControl.h"
#include "lang/MLangApp.h"
#include "ui/Dialog.h"

namespace morvane {

class CMLangDlg : public ui::CDialog {
public:
    CMLangDlg(UINT templateId, HWND parent, const CMLangApp& lang) : CDialog(templateId, parent), m_lang(lang) {}

protected:
    // Applies a control table (null: none) to the open dialog; a derived
    // dialog calls it from OnInitDialog before it sets texts of its own.
    virtual void TranslateControls(const LangControl* table);

    const CMLangApp& m_lang;
};

}  // namespace morvane
