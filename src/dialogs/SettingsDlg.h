// The choice of the interface language: the built-in one, or any language
// file of the Language folder beside the plug-in. OK stores the choice and
// puts it in force at once.
#pragma once

#include <windows.h>

#include "dialogs/DialogHost.h"
#include "dialogs/MLangDlg.h"

namespace morvane {

class CSettingsDlg : public CMLangDlg {
public:
    CSettingsDlg(DialogHost& host, HWND parent);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
};

}  // namespace morvane
