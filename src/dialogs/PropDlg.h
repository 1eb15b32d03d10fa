// The properties of one catalogued image: where its file lies, whether it is
// mounted, and the settings it is mounted with. The user mounts, unmounts and
// configures it here, and can correct a recorded mounted state that is wrong.
#pragma once

#include <windows.h>

#include <string>

#include "catalogue/StoredImage.h"
#include "dialogs/DialogHost.h"
#include "dialogs/MLangDlg.h"

namespace morvane {

class CPropDlg : public CMLangDlg {
public:
    // Takes a copy of the entry that `hostName` (the file manager's name)
    // addresses; remembers when there is none.
    CPropDlg(DialogHost& host, const std::wstring& hostName, HWND parent);

    // Without an entry, the file-not-found message instead of the dialog,
    // answering its button. IDOK after a mount, unmount or switch; IDCANCEL
    // after Close, Escape or the close box.
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

    StoredImage m_image{std::wstring(), EmptyFileInfo(), std::wstring()};
    bool m_bNotFound = false;
    std::wstring m_strPath;
    int m_nLetterIndex = -1;
    int m_nRestore = 0;
    int m_nMode = 0;
    int m_nReadOnly = 0;
};

}  // namespace morvane
