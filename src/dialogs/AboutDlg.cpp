#include "dialogs/AboutDlg.h"

#include "dialogs/ProductTexts.h"
#include "dialogs/SettingsDlg.h"
#include "res/ProductInfo.h"
#include "res/ResourceIds.h"
#include "ui/DataExchange.h"

namespace morvane {

CAboutDlg::CAboutDlg(CMorvaneApp& app, HWND parent)
    : CMLangDlg(IDD_ABOUT, parent, app), m_app(app), m_linkHome(app), m_linkMail(app) {}

void CAboutDlg::DoDataExchange(ui::CDataExchange& dx) {
    ui::DDX_Control(dx, IDC_MAIL_LINK, m_linkMail);
    ui::DDX_Control(dx, IDC_HOME_LINK, m_linkHome);
}

BOOL CAboutDlg::OnInitDialog() {
    if (!CMLangDlg::OnInitDialog()) return FALSE;
    // The shown texts are short forms; the targets are the full addresses.
    m_linkHome.m_url = MORVANE_HOME_PAGE;
    m_linkMail.m_url = "mailto:" MORVANE_SUPPORT_MAIL;
    UpdateTexts();
    return TRUE;
}

void CAboutDlg::UpdateTexts() {
    auto setText = [this](int id, const std::string& text) {
        if (HWND control = GetDlgItem(id)) ::SetWindowTextA(control, text.c_str());
    };
    setText(IDC_PROGRAM, m_app.LangText(TextId::ProgramLabel) + " " MORVANE_PRODUCT_NAME);
    setText(IDC_VERSION, m_app.LangText(TextId::VersionLabel) + " " + m_app.GetVersionString());
    // A language file that names the developer label is read as English.
    std::string developerLabel;
    const ProductLines lines = m_app.GetLangString(Number(TextId::DeveloperLabel), developerLabel)
                                   ? EnglishProductLines(developerLabel)
                                   : RussianProductLines();
    setText(IDC_DEVELOPER, lines.developer);
    setText(IDC_ORGANISATION, lines.organisation);
    setText(IDC_HOME_LABEL, m_app.LangText(TextId::HomePageLabel));
    setText(IDC_SETTINGS, m_app.LangText(TextId::SettingsButton));
    setText(IDOK, m_app.LangText(TextId::AboutOk));
    SetWindowText(m_app.LangText(TextId::AboutCaption));
}

bool CAboutDlg::OnCommand(WORD id, WORD code, HWND) {
    if (id != IDC_SETTINGS || code != BN_CLICKED) return false;
    OnSettings();
    return true;
}

void CAboutDlg::OnSettings() {
    CSettingsDlg settings(m_app, nullptr);
    if (settings.DoModal() == IDOK) UpdateTexts();
}

}  // namespace morvane
