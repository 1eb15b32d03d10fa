#include "plugin/MorvaneApp.h"

#include <windows.h>

#include "catalogue/RebuildCatalogue.h"
#include "catalogue/SaveFileInfo.h"
#include "drive/ActivityLog.h"
#include "drive/ErrorReport.h"
#include "drive/MountImage.h"
#include "drive/RefreshCatalogue.h"
#include "drive/RestoreMounts.h"
#include "imageops/AddImage.h"
#include "lang/LangSetting.h"
#include "lang/LanguageFolder.h"
#include "plugin/VersionString.h"
#include "win32/NoThrow.h"
#include "win32/OwnModule.h"
#include "win32/VersionResource.h"

namespace morvane {

CMorvaneApp::CMorvaneApp() {
    // Runs while the library is being loaded: a failure here must leave the
    // built-in texts in force, not end the process that loads the plug-in.
    win32::NoThrow([this] {
        ReadLangSetting();
        LoadLanguage(std::string(m_strLangFile), true);
    });
}

bool CMorvaneApp::LoadLanguage(const std::string& fileName, bool quiet) {
    if (IsBuiltinLanguage(fileName)) {
        m_langTable.clear();
        return true;
    }
    const std::optional<std::string> path = LanguageFilePath(fileName);
    if (!path) return ReportMissingLanguageFile(quiet);
    return CMLangApp::LoadLanguage(*path, quiet);
}

bool CMorvaneApp::ReloadLanguage(bool quiet) { return LoadLanguage(std::string(m_strLangFile), quiet); }

void CMorvaneApp::ReadLangSetting() { m_strLangFile = morvane::ReadLangSetting(); }

bool CMorvaneApp::SaveLangSetting() { return morvane::SaveLangSetting(m_strLangFile); }

std::string CMorvaneApp::GetVersionString() const {
    const std::optional<win32::ProductVersion> version = win32::ReadProductVersion(win32::OwnModulePath());
    return version ? VersionString(version->major, version->minor, version->patch, version->build) : std::string();
}

bool CMorvaneApp::RefreshCatalogue() { return morvane::RefreshCatalogue(Tables()); }

bool CMorvaneApp::FindImage(std::string_view name, StoredImage& image) const {
    return morvane::FindImage(m_catalogue, name, image);
}

bool CMorvaneApp::SaveFileInfo(const CFileInfo& record, const std::string& valueName) {
    return morvane::SaveFileInfo(Tables(), record, valueName);
}

bool CMorvaneApp::SaveNewFileInfo(const CFileInfo& record) { return morvane::SaveNewFileInfo(Tables(), record); }

bool CMorvaneApp::AddImage(const std::string& localPath, const std::string& remoteName) {
    return morvane::AddImage(Tables(), *this, localPath, remoteName);
}

RemoveResult CMorvaneApp::RemoveImage(const std::string& remoteName) {
    return morvane::RemoveImage(Tables(), *this, remoteName);
}

bool CMorvaneApp::MountImage(CFileInfo& record, const std::string& valueName) {
    return morvane::MountImage(Tables(), *this, record, valueName);
}

bool CMorvaneApp::UnmountImage(CFileInfo& record, const std::string& valueName) {
    return morvane::UnmountImage(Tables(), *this, record, valueName);
}

bool CMorvaneApp::RestoreMounts() {
    // Nobody watches the log-on process: from here on every report is logged.
    m_bLogOnly = true;
    return morvane::RestoreMounts(Tables(), *this);
}

void CMorvaneApp::ReportDriveError(const std::string& text, ReportContext context) {
    morvane::ReportDriveError(*this, text, context);
}

void CMorvaneApp::ShowOrLogMessage(const std::string& message) {
    if (m_bLogOnly) {
        AppendToActivityLog(message);
    } else {
        ShowMessage(message, MB_OK | MB_ICONEXCLAMATION);
    }
}

// Constructed by the library's static initialisation, before any export runs.
static CMorvaneApp theApp;

CMorvaneApp& App() { return theApp; }

}  // namespace morvane
