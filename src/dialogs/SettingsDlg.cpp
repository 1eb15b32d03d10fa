#include "dialogs/SettingsDlg.h"

#include "lang/LanguageFolder.h"
#include "res/ResourceIds.h"

namespace morvane {
namespace {

constexpr ControlText kSettingsTexts[] = {
    {IDC_LANGUAGE_LABEL, TextId::LanguageLabel},
    {IDCANCEL, TextId::SettingsCancel},
    {IDOK, TextId::SettingsOk},
};

}  // namespace

CSettingsDlg::CSettingsDlg(DialogHost& host, HWND parent) : CMLangDlg(IDD_SETTINGS, parent, host) {}

BOOL CSettingsDlg::OnInitDialog() {
    // The built-in language comes with the template's initialisation data.
    if (!CMLangDlg::OnInitDialog()) return FALSE;
    TranslateDialog(TextId::SettingsCaption, kSettingsTexts);

    const ui::CComboBox languages = ComboBoxItem(IDC_LANGUAGE);
    for (const std::wstring& name : ListLanguageFiles()) languages.AddString(name);
    // The list is sorted; the current choice is found by its beginning, in
    // any case, so "<main>" finds the built-in language's entry.
    const int current = languages.FindString(-1, m_host.LanguageSetting());
    languages.SetCurSel(current != CB_ERR ? current : 0);
    return TRUE;
}

void CSettingsDlg::OnOK() {
    m_host.ChooseLanguage(GetItemText(IDC_LANGUAGE));
    CMLangDlg::OnOK();
}

}  // namespace morvane
