#include "dialogs/SettingsDlg.h"

#include "lang/LanguageFolder.h"
#include "res/ResourceIds.h"
#include "ui/DataExchange.h"

namespace morvane {
namespace {

constexpr LangControl kSettingsControls[] = {
    {IDC_LANGUAGE_LABEL, Number(TextId::LanguageLabel)},
    {IDCANCEL, Number(TextId::SettingsCancel)},
    {IDOK, Number(TextId::SettingsOk)},
    {kCaptionControl, Number(TextId::SettingsCaption)},
    {0, 0},
};

}  // namespace

CSettingsDlg::CSettingsDlg(CMorvaneApp& app, HWND parent) : CMLangDlg(IDD_SETTINGS, parent, app), m_app(app) {}

void CSettingsDlg::DoDataExchange(ui::CDataExchange& dx) { ui::DDX_Control(dx, IDC_LANGUAGE, m_cbLanguage); }

BOOL CSettingsDlg::OnInitDialog() {
    // The built-in language comes with the template's initialisation data.
    if (!CMLangDlg::OnInitDialog()) return FALSE;
    TranslateControls(kSettingsControls);

    for (const std::string& name : ListLanguageFiles()) m_cbLanguage.AddString(name);
    // The list is sorted; the current choice is found by its beginning, in
    // any case, so "<main>" finds the built-in language's entry.
    const int current = m_cbLanguage.FindString(-1, m_app.m_strLangFile);
    m_cbLanguage.SetCurSel(current != CB_ERR ? current : 0);
    return TRUE;
}

void CSettingsDlg::OnOK() {
    m_app.m_strLangFile = m_cbLanguage.GetWindowText();
    m_app.SaveLangSetting();
    // A file gone meanwhile is reported now, and the language in force stays.
    m_app.LoadLanguage(std::string(m_app.m_strLangFile), false);
    CMLangDlg::OnOK();
}

}  // namespace morvane
