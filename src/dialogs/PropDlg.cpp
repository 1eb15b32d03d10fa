#include "dialogs/PropDlg.h"

#include "lang/TextFormat.h"
#include "res/ResourceIds.h"
#include "ui/DataExchange.h"

namespace morvane {
namespace {

constexpr LangControl kPropertiesControls[] = {
    {kCaptionControl, Number(TextId::PropertiesCaption)},
    {IDCANCEL, Number(TextId::Close)},
    {IDC_PATH_LABEL, Number(TextId::FullPathLabel)},
    {IDC_LETTER_LABEL, Number(TextId::DriveLetterLabel)},
    {IDC_MODE_GROUP, Number(TextId::MountModeGroup)},
    {IDC_MODE_HDD, Number(TextId::ModeHardDisk)},
    {IDC_MODE_FDD, Number(TextId::ModeFloppy)},
    {IDC_MODE_CD, Number(TextId::ModeCdDvd)},
    {IDC_READ_ONLY, Number(TextId::ReadOnly)},
    {IDC_RESTORE, Number(TextId::RestoreAtLogon)},
    {IDOK, Number(TextId::Mount)},
    {IDC_SWITCH_STATE, Number(TextId::Switch)},
    {0, 0},
};

// The radio buttons of the mode group, in template order.
enum ModeRadio : int { kRadioHardDisk = 0, kRadioFloppy = 1, kRadioCdDvd = 2 };

// A stored mode code as the mode controls show it. Codes the plug-in never
// writes (6 and up) show as a hard disk, as the driver's families take them,
// and keep their read-only bit.
void ShowMode(uint32_t mode, int& modeIndex, int& readOnly) {
    switch (FamilyOfMode(mode)) {
    case kFamilyCdDvd:
        modeIndex = kRadioCdDvd;
        readOnly = 1;
        return;
    case kFamilyFloppy:
        modeIndex = kRadioFloppy;
        break;
    default:
        modeIndex = kRadioHardDisk;
        break;
    }
    readOnly = (mode & kModeReadOnly) ? 1 : 0;
}

// Every letter the system does not use, and every letter a catalogued image
// is mounted on.
uint32_t OfferedDriveMask(const CMorvaneApp& app) {
    uint32_t mask = ~GetLogicalDrives();
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        if (!app.DriveName(letter).empty()) mask |= 1u << (letter - 'A');
    return mask;
}

std::string LetterEntry(char letter) { return std::string{letter, ':'}; }

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

CPropDlg::CPropDlg(CMorvaneApp& app, const std::string& name, HWND parent)
    : CMLangDlg(IDD_PROPERTIES, parent, app), m_app(app) {
    if (!m_app.FindImage(name, m_image)) {
        m_bNotFound = true;
        return;
    }
    const CFileInfo& record = m_image.record;
    m_strPath = ImagePathOf(record);
    m_nRestore = record.restoreAtLogon ? 1 : 0;
    ShowMode(record.mountMode, m_nMode, m_nReadOnly);
}

INT_PTR CPropDlg::DoModal() {
    if (m_bNotFound) return ShowMessage(m_app.LangText(TextId::FileNotFound), MB_OK);
    return CMLangDlg::DoModal();
}

void CPropDlg::DoDataExchange(ui::CDataExchange& dx) {
    ui::DDX_Text(dx, IDC_PATH, m_strPath);
    ui::DDX_CBIndex(dx, IDC_LETTER, m_nLetterIndex);
    ui::DDX_Check(dx, IDC_RESTORE, m_nRestore);
    ui::DDX_Radio(dx, IDC_MODE_HDD, m_nMode);
    ui::DDX_Check(dx, IDC_READ_ONLY, m_nReadOnly);
    ui::DDX_Control(dx, IDC_LETTER, m_cbLetter);
    ui::DDX_Control(dx, IDC_RESTORE, m_btnRestore);
    ui::DDX_Control(dx, IDC_MODE_HDD, m_btnHardDisk);
    ui::DDX_Control(dx, IDC_MODE_FDD, m_btnFloppy);
    ui::DDX_Control(dx, IDC_MODE_CD, m_btnCdDvd);
    ui::DDX_Control(dx, IDC_READ_ONLY, m_btnReadOnly);
    ui::DDX_Control(dx, IDOK, m_btnMount);
    ui::DDX_Control(dx, IDC_MOUNT_STATE, m_stMountState);
    ui::DDX_Control(dx, IDC_PATH, m_edPath);
    ui::DDX_Control(dx, IDC_LETTER_LABEL, m_stLetterLabel);
    ui::DDX_Control(dx, IDC_MODE_GROUP, m_btnModeGroup);
}

BOOL CPropDlg::OnInitDialog() {
    if (!CMLangDlg::OnInitDialog()) return FALSE;
    TranslateControls(kPropertiesControls);

    const uint32_t offered = OfferedDriveMask(m_app);
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        if (offered & (1u << (letter - 'A'))) m_cbLetter.AddString(LetterEntry(letter));
    // The stored letter in either case, or else the last one offered.
    const char stored = AsciiUpper(m_image.record.driveLetter);
    int selection = IsDriveLetter(stored) ? m_cbLetter.FindString(-1, LetterEntry(stored)) : CB_ERR;
    if (selection == CB_ERR) selection = m_cbLetter.GetCount() - 1;
    if (selection >= 0) m_cbLetter.SetCurSel(selection);

    ShowMountState(m_image.record.mounted != 0);
    return TRUE;
}

void CPropDlg::ShowMountState(bool mounted) {
    m_stMountState.SetWindowText(m_app.LangText(mounted ? TextId::ImageMounted : TextId::ImageUnmounted));
    for (ui::CWnd* control : {static_cast<ui::CWnd*>(&m_cbLetter), static_cast<ui::CWnd*>(&m_stLetterLabel),
                              static_cast<ui::CWnd*>(&m_btnModeGroup), static_cast<ui::CWnd*>(&m_btnHardDisk),
                              static_cast<ui::CWnd*>(&m_btnFloppy), static_cast<ui::CWnd*>(&m_btnCdDvd)})
        control->EnableWindow(!mounted);
    // A CD/DVD is always read-only.
    m_btnReadOnly.EnableWindow(!mounted && m_btnCdDvd.GetCheck() != BST_CHECKED);
    m_btnMount.SetWindowText(m_app.LangText(mounted ? TextId::Unmount : TextId::Mount));
}

bool CPropDlg::OnCommand(WORD id, WORD code, HWND) {
    if (code != BN_CLICKED) return false;
    switch (id) {
    case IDC_SWITCH_STATE:
        OnSwitchState();
        return true;
    case IDC_MODE_CD:
        OnModeCd();
        return true;
    case IDC_MODE_HDD:
    case IDC_MODE_FDD:
        OnModeDiskOrFloppy();
        return true;
    default:
        return false;
    }
}

void CPropDlg::OnModeCd() {
    m_btnReadOnly.EnableWindow(false);
    m_btnReadOnly.SetCheck(BST_CHECKED);
}

// Leaving CD/DVD clears read-only; switching between hard disk and floppy
// keeps what the user set.
void CPropDlg::OnModeDiskOrFloppy() {
    if (!m_btnReadOnly.IsWindowEnabled()) m_btnReadOnly.SetCheck(BST_UNCHECKED);
    m_btnReadOnly.EnableWindow(true);
}

uint32_t CPropDlg::GetMountMode() const {
    // No radio button chosen counts as a hard disk.
    const uint32_t base = m_nMode == kRadioFloppy ? kModeFloppy : m_nMode == kRadioCdDvd ? kModeCdDvd : 0u;
    return base | ((m_nReadOnly || m_nMode == kRadioCdDvd) ? kModeReadOnly : 0u);
}

void CPropDlg::TakeSettings() {
    CFileInfo& record = m_image.record;
    record.restoreAtLogon = m_nRestore ? 1 : 0;
    // A mounted image keeps the letter and mode it is mounted with: its
    // letter may not be in the list at all (in use by the system after a
    // crash), and the list's selection would then name another drive.
    if (record.mounted) return;
    record.mountMode = GetMountMode();
    // With no letter left to offer there is no selection: the stored letter stays.
    const std::string entry = m_nLetterIndex >= 0 ? m_cbLetter.GetLBText(m_nLetterIndex) : std::string();
    if (!entry.empty()) record.driveLetter = entry[0];
}

void CPropDlg::OnOK() {
    if (!UpdateData(true)) return;
    // The drive table as the drives are now, for the question below.
    m_app.RefreshCatalogue();
    TakeSettings();
    CFileInfo& record = m_image.record;
    if (record.mounted) {
        if (m_app.UnmountImage(record, m_image.valueName)) {
            CMLangDlg::OnOK();
            return;
        }
    } else if (!m_app.SaveFileInfo(record, m_image.valueName)) {
        ShowMessage(m_app.LangText(TextId::SaveFailed), MB_OK);
    } else if (MountSaved()) {
        CMLangDlg::OnOK();
        return;
    }
    ShowMountState(record.mounted != 0);
}

bool CPropDlg::MountSaved() {
    if (m_nLetterIndex < 0) {
        ShowMessage(m_app.LangText(TextId::NoFreeLetter), MB_OK);
        return false;
    }
    CFileInfo& record = m_image.record;
    const std::string holder = m_app.DriveName(record.driveLetter);
    if (holder.empty()) return m_app.MountImage(record, m_image.valueName);

    StoredImage other;
    if (!m_app.FindImage(holder, other)) {
        ShowMessage(m_app.LangText(TextId::MountFailed), MB_OK);
        return false;
    }
    const std::string question = FormatText(m_app.LangText(TextId::UnmountOtherImage),
                                            {TextArg(DisplayLetter(other.record.driveLetter)), TextArg(other.valueName)});
    // Unmounting someone else's drive needs an explicit Yes.
    if (ShowMessage(question, MB_YESNO) != IDYES) return false;
    if (!m_app.UnmountImage(other.record, other.valueName)) return false;
    return m_app.MountImage(record, m_image.valueName);
}

void CPropDlg::OnCancel() { OnCloseButton(); }

// Close, Escape and the close box all store the settings, mounted or not.
void CPropDlg::OnCloseButton() {
    UpdateData(true);
    TakeSettings();
    m_app.SaveFileInfo(m_image.record, m_image.valueName);
    EndDialog(IDCANCEL);
}

// Corrects the recorded state only; the drive itself is left as it is.
void CPropDlg::OnSwitchState() {
    if (!UpdateData(true)) return;
    CFileInfo& record = m_image.record;
    const std::string question =
        m_app.LangText(TextId::SwitchWarning) + "\n" +
        FormatText(m_app.LangText(record.mounted ? TextId::ReallyNotMounted : TextId::ReallyMounted),
                   {TextArg(ImagePathOf(record)), TextArg(DisplayLetter(record.driveLetter))});
    if (ShowMessage(question, MB_YESNO | MB_ICONEXCLAMATION) != IDYES) return;
    record.mounted = record.mounted ? 0 : 1;
    if (m_app.SaveFileInfo(record, m_image.valueName)) {
        EndDialog(IDOK);
        return;
    }
    ShowMessage(m_app.LangText(TextId::SaveFailed), MB_OK);
    ShowMountState(record.mounted != 0);
}

}  // namespace morvane
