#include "dialogs/PropDlg.h"

#include "lang/TextFormat.h"
#include "res/ResourceIds.h"
#include "ui/DataExchange.h"

namespace morvane {
namespace {

// The status line and the mount button follow the mounted state instead.
constexpr ControlText kPropertiesTexts[] = {
    {IDCANCEL, TextId::Close},
    {IDC_PATH_LABEL, TextId::FullPathLabel},
    {IDC_LETTER_LABEL, TextId::DriveLetterLabel},
    {IDC_MODE_GROUP, TextId::MountModeGroup},
    {IDC_MODE_HDD, TextId::ModeHardDisk},
    {IDC_MODE_FDD, TextId::ModeFloppy},
    {IDC_MODE_CD, TextId::ModeCdDvd},
    {IDC_READ_ONLY, TextId::ReadOnly},
    {IDC_RESTORE, TextId::RestoreAtLogon},
    {IDC_SWITCH_STATE, TextId::Switch},
};

// The controls that settle how the image is mounted, locked while it is.
constexpr int kMountSettings[] = {IDC_LETTER,   IDC_LETTER_LABEL, IDC_MODE_GROUP,
                                  IDC_MODE_HDD, IDC_MODE_FDD,     IDC_MODE_CD};

// The radio buttons of the mode group, in template order.
enum ModeRadio : int { kRadioHardDisk = 0, kRadioFloppy = 1, kRadioCdDvd = 2 };

// A stored mode code as the mode controls show it (see ShownModeOf).
void ShowMode(uint32_t mode, int& modeIndex, int& readOnly) {
    const ShownMode shown = ShownModeOf(mode);
    modeIndex = shown.family == kFamilyCdDvd    ? kRadioCdDvd
                : shown.family == kFamilyFloppy ? kRadioFloppy
                                                : kRadioHardDisk;
    readOnly = shown.readOnly ? 1 : 0;
}

// Every letter the system does not use, and every letter a catalogued image
// is mounted on.
uint32_t OfferedDriveMask(const DialogHost& host) {
    uint32_t mask = ~GetLogicalDrives();
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        if (!host.DriveName(letter).empty()) mask |= 1u << (letter - 'A');
    return mask;
}

std::wstring LetterEntry(char letter) { return std::wstring{static_cast<wchar_t>(letter), L':'}; }

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

CPropDlg::CPropDlg(DialogHost& host, const std::wstring& hostName, HWND parent)
    : CMLangDlg(IDD_PROPERTIES, parent, host) {
    if (!m_host.FindImage(hostName, m_image)) {
        m_bNotFound = true;
        return;
    }
    const CFileInfo& record = m_image.record;
    m_strPath = m_image.imagePath;
    m_nRestore = record.restoreAtLogon ? 1 : 0;
    ShowMode(record.mountMode, m_nMode, m_nReadOnly);
}

INT_PTR CPropDlg::DoModal() {
    if (m_bNotFound) return m_host.ShowMessage(m_host.Text(TextId::FileNotFound), MB_OK);
    return CMLangDlg::DoModal();
}

void CPropDlg::DoDataExchange(ui::CDataExchange& dx) {
    ui::DDX_Text(dx, IDC_PATH, m_strPath);
    ui::DDX_CBIndex(dx, IDC_LETTER, m_nLetterIndex);
    ui::DDX_Check(dx, IDC_RESTORE, m_nRestore);
    ui::DDX_Radio(dx, IDC_MODE_HDD, m_nMode);
    ui::DDX_Check(dx, IDC_READ_ONLY, m_nReadOnly);
}

BOOL CPropDlg::OnInitDialog() {
    if (!CMLangDlg::OnInitDialog()) return FALSE;
    TranslateDialog(TextId::PropertiesCaption, kPropertiesTexts);

    const ui::CComboBox letters = ComboBoxItem(IDC_LETTER);
    const uint32_t offered = OfferedDriveMask(m_host);
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        if (offered & (1u << (letter - 'A'))) letters.AddString(LetterEntry(letter));
    // The stored letter in either case, or else the last one offered.
    const char stored = AsciiUpper(m_image.record.driveLetter);
    int selection = IsDriveLetter(stored) ? letters.FindString(-1, LetterEntry(stored)) : CB_ERR;
    if (selection == CB_ERR) selection = letters.GetCount() - 1;
    if (selection >= 0) letters.SetCurSel(selection);

    ShowMountState(m_image.record.mounted != 0);
    return TRUE;
}

void CPropDlg::ShowMountState(bool mounted) {
    SetItemText(IDC_MOUNT_STATE, m_host.Text(mounted ? TextId::ImageMounted : TextId::ImageUnmounted));
    for (int id : kMountSettings) EnableItem(id, !mounted);
    // A CD/DVD is always read-only.
    EnableItem(IDC_READ_ONLY, !mounted && !IsItemChecked(IDC_MODE_CD));
    SetItemText(IDOK, m_host.Text(mounted ? TextId::Unmount : TextId::Mount));
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
    EnableItem(IDC_READ_ONLY, false);
    CheckItem(IDC_READ_ONLY, true);
}

// Leaving CD/DVD clears read-only; switching between hard disk and floppy
// keeps what the user set.
void CPropDlg::OnModeDiskOrFloppy() {
    if (!IsItemEnabled(IDC_READ_ONLY)) CheckItem(IDC_READ_ONLY, false);
    EnableItem(IDC_READ_ONLY, true);
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
    const std::wstring entry =
        m_nLetterIndex >= 0 ? ComboBoxItem(IDC_LETTER).GetLBText(m_nLetterIndex) : std::wstring();
    if (!entry.empty() && entry[0] >= L'A' && entry[0] <= L'Z') record.driveLetter = static_cast<char>(entry[0]);
}

void CPropDlg::OnOK() {
    if (!UpdateData(true)) return;
    // The drive table as the drives are now, for the question below.
    m_host.RefreshCatalogue();
    TakeSettings();
    CFileInfo& record = m_image.record;
    if (record.mounted) {
        if (m_host.UnmountImage(m_image)) {
            CMLangDlg::OnOK();
            return;
        }
    } else if (!m_host.SaveFileInfo(m_image)) {
        m_host.ShowMessage(m_host.Text(TextId::SaveFailed), MB_OK);
    } else if (MountSaved()) {
        CMLangDlg::OnOK();
        return;
    }
    ShowMountState(record.mounted != 0);
}

bool CPropDlg::MountSaved() {
    if (m_nLetterIndex < 0) {
        m_host.ShowMessage(m_host.Text(TextId::NoFreeLetter), MB_OK);
        return false;
    }
    CFileInfo& record = m_image.record;
    const std::wstring holder = m_host.DriveName(record.driveLetter);
    if (holder.empty()) return m_host.MountImage(m_image);

    StoredImage other;
    if (!m_host.FindImage(holder, other)) {
        m_host.ShowMessage(m_host.Text(TextId::MountFailed), MB_OK);
        return false;
    }
    const std::wstring question =
        FormatText(m_host.Text(TextId::UnmountOtherImage),
                   {TextArg(DisplayLetter(other.record.driveLetter)), TextArg(other.valueName)});
    // Unmounting someone else's drive needs an explicit Yes.
    if (m_host.ShowMessage(question, MB_YESNO) != IDYES) return false;
    if (!m_host.UnmountImage(other)) return false;
    return m_host.MountImage(m_image);
}

void CPropDlg::OnCancel() { OnCloseButton(); }

// Close, Escape and the close box all store the settings, mounted or not.
void CPropDlg::OnCloseButton() {
    UpdateData(true);
    TakeSettings();
    m_host.SaveFileInfo(m_image);
    EndDialog(IDCANCEL);
}

// Corrects the recorded state only; the drive itself is left as it is.
void CPropDlg::OnSwitchState() {
    if (!UpdateData(true)) return;
    CFileInfo& record = m_image.record;
    const std::wstring question =
        m_host.Text(TextId::SwitchWarning) + L"\n" +
        FormatText(m_host.Text(record.mounted ? TextId::ReallyNotMounted : TextId::ReallyMounted),
                   {TextArg(m_image.imagePath), TextArg(DisplayLetter(record.driveLetter))});
    // Only No refuses: the record alone changes, and the switch corrects it back.
    if (m_host.ShowMessage(question, MB_YESNO | MB_ICONEXCLAMATION) == IDNO) return;
    record.mounted = record.mounted ? 0 : 1;
    if (m_host.SaveFileInfo(m_image)) {
        EndDialog(IDOK);
        return;
    }
    m_host.ShowMessage(m_host.Text(TextId::SaveFailed), MB_OK);
    ShowMountState(record.mounted != 0);
}

}  // namespace morvane
