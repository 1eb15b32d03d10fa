// About the plug-in: its name, version, developers and maker, two links, and
// the way to the settings. Its texts follow the language in force, also when
// the settings change it while the dialog is open.
#pragma once

#include <windows.h>

#include <string>

#include "dialogs/DialogHost.h"
#include "dialogs/HyperLink.h"
#include "dialogs/MLangDlg.h"

namespace morvane {

class CAboutDlg : public CMLangDlg {
public:
    CAboutDlg(DialogHost& host, HWND parent);

protected:
    void DoDataExchange(ui::CDataExchange& dx) override;
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;
    std::wstring ShownText(int controlId, const std::wstring& text) const override;

private:
    void TranslateTexts();
    void OnSettings();

    CHyperLink m_linkHome;
    CHyperLink m_linkMail;
};

}  // namespace morvane
