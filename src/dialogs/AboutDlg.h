// About the plug-in: its name, version, developers and maker, two links, and
// the way to the settings. Every text is set from the language table, so that
// it can change while the dialog is open.
#pragma once

#include <windows.h>

#include "dialogs/HyperLink.h"
#include "dialogs/MLangDlg.h"
#include "plugin/MorvaneApp.h"

namespace morvane {

class CAboutDlg : public CMLangDlg {
public:
    CAboutDlg(CMorvaneApp& app, HWND parent);

protected:
    void DoDataExchange(ui::CDataExchange& dx) override;
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;
    // Sets every localisable text of the open dialog.
    virtual void UpdateTexts();

private:
    void OnSettings();

    CMorvaneApp& m_app;
    CHyperLink m_linkHome;
    CHyperLink m_linkMail;
};

}  // namespace morvane
