#include "dialogs/AboutDlg.h"

#include "dialogs/ProductTexts.h"
#include "dialogs/SettingsDlg.h"
#include "res/ProductInfo.h"
#include "res/ResourceIds.h"
#include "ui/DataExchange.h"
#include "win32/AnsiText.h"

namespace morvane {
namespace {

// The developer and organisation lines both follow the developer label: a
// language file that names it is read as English, and without one both
// lines are Russian.
constexpr ControlText kAboutTexts[] = {
    {IDC_PROGRAM, TextId::ProgramLabel},
    {IDC_VERSION, TextId::VersionLabel},
    {IDC_DEVELOPER, TextId::DeveloperLabel},
    {IDC_ORGANISATION, TextId::DeveloperLabel},
    {IDC_HOME_LABEL, TextId::HomePageLabel},
    {IDC_SETTINGS, TextId::SettingsButton},
    {IDOK, TextId::AboutOk},
};

}  // namespace

CAboutDlg::CAboutDlg(DialogHost& host, HWND parent)
    : CMLangDlg(IDD_ABOUT, parent, host), m_linkHome(host), m_linkMail(host) {}

void CAboutDlg::DoDataExchange(ui::CDataExchange& dx) {
    ui::DDX_Control(dx, IDC_MAIL_LINK, m_linkMail);
    ui::DDX_Control(dx, IDC_HOME_LINK, m_linkHome);
}

BOOL CAboutDlg::OnInitDialog() {
    if (!CMLangDlg::OnInitDialog()) return FALSE;
    // The shown texts are short forms; the targets are the full addresses.
    m_linkHome.m_url = MORVANE_HOME_PAGE;
    m_linkMail.m_url = "mailto:" MORVANE_SUPPORT_MAIL;
    TranslateTexts();
    return TRUE;
}

void CAboutDlg::TranslateTexts() { TranslateDialog(TextId::AboutCaption, kAboutTexts); }

std::wstring CAboutDlg::ShownText(int controlId, const std::wstring& text) const {
    switch (controlId) {
    case IDC_PROGRAM:
        return text + L" " + win32::WideText(MORVANE_PRODUCT_NAME);
    case IDC_VERSION:
        return text + L" " + win32::WideText(m_host.GetVersionString());
    case IDC_DEVELOPER:
    case IDC_ORGANISATION: {
        std::string developerLabel;
        const ProductLines lines = m_host.GetLangString(Number(TextId::DeveloperLabel), developerLabel)
                                       ? EnglishProductLines(developerLabel)
                                       : RussianProductLines();
        // Both sets of lines are in the code page, as the language table.
        return win32::WideText(controlId == IDC_DEVELOPER ? lines.developer : lines.organisation);
    }
    default:
        return text;
    }
}

bool CAboutDlg::OnCommand(WORD id, WORD code, HWND) {
    if (id != IDC_SETTINGS || code != BN_CLICKED) return false;
    OnSettings();
    return true;
}

void CAboutDlg::OnSettings() {
    CSettingsDlg settings(m_host, nullptr);
    if (settings.DoModal() == IDOK) TranslateTexts();
}

}  // namespace morvane
