// The choice of the interface language: the built-in one, or any language
// file of the Language folder beside the plug-in. OK stores the choice and
// loads it at once.
#pragma once

#include <windows.h>

#include "dialogs/MLangDlg.h"
#include "plugin/MorvaneApp.h"
#include "ui/ComboBox.h"

namespace morvane {

class CSettingsDlg : public CMLangDlg {
public:
    CSettingsDlg(CMorvaneApp& app, HWND parent);

protected:
    void DoDataExchange(ui::CDataExchange& dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    CMorvaneApp& m_app;
    ui::CComboBox m_cbLanguage;
};

}  // namespace morvane
