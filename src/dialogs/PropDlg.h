// The properties of one catalogued image: where its file lies, whether it is
// mounted, and the settings it is mounted with. The user mounts, unmounts and
// configures it here, and can correct a recorded mounted state that is wrong.
#pragma once

#include <windows.h>

#include <string>

#include "catalogue/StoredImage.h"
#include "dialogs/MLangDlg.h"
#include "plugin/MorvaneApp.h"
#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Static.h"

namespace morvane {

class CPropDlg : public CMLangDlg {
public:
    // Takes a copy of the entry `name` (the file manager's name) from the
    // catalogue; remembers when there is none.
    CPropDlg(CMorvaneApp& app, const std::string& name, HWND parent);

    // Without an entry, the file-not-found message instead of the dialog.
    // IDOK after a mount, unmount or switch; IDCANCEL after Close.
    INT_PTR DoModal() override;

protected:
    void DoDataExchange(ui::CDataExchange& dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;

private:
    void OnCloseButton();
    void OnSwitchState();
    void OnModeCd();
    void OnModeDiskOrFloppy();
    void ShowMountState(bool mounted);
    // The restore flag into the record, and while it is not mounted the mode
    // and the chosen letter.
    void TakeSettings();
    uint32_t GetMountMode() const;
    // Mounts the record after a successful save; true when the dialog ends.
    bool MountSaved();
    int ShowMessage(const std::string& text, UINT type) const { return m_app.ShowMessage(text, type); }

    CMorvaneApp& m_app;
    StoredImage m_image{std::string(), EmptyFileInfo()};
    bool m_bNotFound = false;
    std::string m_strPath;
    int m_nLetterIndex = -1;
    ui::CComboBox m_cbLetter;
    int m_nRestore = 0;
    ui::CButton m_btnRestore;
    int m_nMode = 0;
    ui::CButton m_btnHardDisk;
    ui::CButton m_btnFloppy;
    ui::CButton m_btnCdDvd;
    int m_nReadOnly = 0;
    ui::CButton m_btnReadOnly;
    ui::CButton m_btnMount;
    ui::CStatic m_stMountState;
    ui::CEdit m_edPath;
    ui::CStatic m_stLetterLabel;
    ui::CButton m_btnModeGroup;
};

}  // namespace morvane
