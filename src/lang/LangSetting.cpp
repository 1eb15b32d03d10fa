#include "plugin/MorvaneApp.h"

namespace morvane {

void CMorvaneApp::ReadLangSetting() { m_strLangFile = "MV_eng.lng"; }

bool CMorvaneApp::SaveLangSetting() { return false; }

bool CMorvaneApp::LoadLanguage(const std::string& fileName, bool quiet) {
    return CMLangApp::LoadLanguage(fileName, quiet);
}

bool CMorvaneApp::ReloadLanguage(bool quiet) { return LoadLanguage(std::string(m_strLangFile), quiet); }

}  // namespace morvane
