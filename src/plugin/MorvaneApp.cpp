#include "plugin/MorvaneApp.h"

#include "win32/AnsiText.h"

namespace morvane {

CMorvaneApp::CMorvaneApp() {
    ReadLangSetting();
    LoadLanguage(std::string(m_strLangFile), true);
}

const std::string& CMorvaneApp::DriveName(char letter) const {
    static const std::string kNone;
    return IsDriveLetter(letter) ? m_driveNames[letter - 'A'] : kNone;
}

void CMorvaneApp::SetDriveName(char letter, const std::string& displayName) {
    if (IsDriveLetter(letter)) m_driveNames[letter - 'A'] = displayName;
}

void CMorvaneApp::ClearDriveNames() {
    for (std::string& name : m_driveNames) name.clear();
}

std::string CMorvaneApp::CatalogueKey(std::string_view displayName) { return win32::AnsiLower(displayName); }

// Constructed by the library's static initialisation, before any export runs.
static CMorvaneApp theApp;

CMorvaneApp& App() { return theApp; }

}  // namespace morvane
