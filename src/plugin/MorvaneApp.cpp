#include "plugin/MorvaneApp.h"

#include <windows.h>

#include "catalogue/RebuildCatalogue.h"
#include "catalogue/SaveFileInfo.h"
#include "lang/LangSetting.h"
#include "lang/TextFormat.h"
#include "logon/ActivityLog.h"
#include "operations/AddImage.h"
#include "operations/MountImage.h"
#include "operations/RefreshCatalogue.h"
#include "operations/RenameImage.h"
#include "operations/RestoreMounts.h"
#include "operations/UnmountImage.h"
#include "plugin/VersionString.h"
#include "win32/AnsiText.h"
#include "win32/NoThrow.h"
#include "win32/OwnModule.h"
#include "win32/VersionResource.h"

namespace morvane {

void CMorvaneApp::Start() {
    std::call_once(m_started, [this] {
        // A failure leaves the built-in texts in force.
        win32::NoThrow([this] {
            m_strLangFile = ReadLangSetting();
            LoadLanguage(m_strLangFile, true);
        });
    });
}

// The log and request callbacks are not used: the plug-in tells the user
// through message boxes of its own.
void CMorvaneApp::Initialise(int pluginNr, FsProgressProc progress, FsLogProc, FsRequestProc) {
    m_nPluginNr = pluginNr;
    m_pProgressProc = progress;
}

void CMorvaneApp::InitialiseWide(int pluginNr, FsProgressProcW progress, FsLogProcW, FsRequestProcW) {
    m_nPluginNr = pluginNr;
    m_pProgressProcW = progress;
}

bool CMorvaneApp::ReportProgress(const std::wstring& source, const std::wstring& target, int percentDone) const {
    if (m_pProgressProcW) {
        std::wstring from = source, to = target;
        return m_pProgressProcW(m_nPluginNr, from.data(), to.data(), percentDone) != 0;
    }
    if (m_pProgressProc) {
        std::string from = win32::AnsiText(source), to = win32::AnsiText(target);
        return m_pProgressProc(m_nPluginNr, from.data(), to.data(), percentDone) != 0;
    }
    return false;
}

void CMorvaneApp::ChooseLanguage(const std::wstring& langFile) {
    m_strLangFile = langFile;
    SaveLangSetting(m_strLangFile);
    LoadLanguage(m_strLangFile, false);
}

std::string CMorvaneApp::GetVersionString() const {
    const std::optional<win32::ProductVersion> version = win32::ReadProductVersion(win32::OwnModulePath());
    return version ? VersionString(version->major, version->minor, version->patch, version->build) : std::string();
}

bool CMorvaneApp::RefreshCatalogue() { return morvane::RefreshCatalogue(Tables()); }

void CMorvaneApp::RefreshForCall() {
    if (m_brackets.RefreshDue(GetCurrentThreadId())) RefreshCatalogue();
}

bool CMorvaneApp::FindImage(std::wstring_view hostName, StoredImage& image) const {
    return morvane::FindImage(m_catalogue, hostName, image);
}

bool CMorvaneApp::SaveFileInfo(const StoredImage& image) { return morvane::SaveFileInfo(Tables(), image); }

intptr_t CMorvaneApp::OpenListing() {
    RefreshForCall();
    return m_listings.Open(m_catalogue, m_driveNames);
}

AddResult CMorvaneApp::AddImage(const std::wstring& localPath, const std::wstring& remoteName) {
    return morvane::AddImage(Tables(), *this, localPath, remoteName);
}

RemoveResult CMorvaneApp::RemoveImage(const std::wstring& remoteName) {
    return morvane::RemoveImage(Tables(), *this, remoteName);
}

RenameResult CMorvaneApp::RenameImage(const std::wstring& oldName, const std::wstring& newName, bool overwrite) {
    return morvane::RenameImage(Tables(), *this, oldName, newName, overwrite);
}

bool CMorvaneApp::MountImage(StoredImage& image) { return morvane::MountImage(Tables(), *this, image); }

bool CMorvaneApp::UnmountImage(StoredImage& image) { return morvane::UnmountImage(Tables(), *this, image); }

bool CMorvaneApp::RestoreMounts() {
    // Nobody watches the log-on process: from here on every report is logged.
    m_bLogOnly = true;
    return morvane::RestoreMounts(Tables(), *this);
}

void CMorvaneApp::ShowOrLogMessage(const std::wstring& message) { Tell(message); }

void CMorvaneApp::Tell(const std::wstring& message) const {
    if (m_bLogOnly) {
        AppendToActivityLog(message);
    } else {
        CWinApp::ShowMessage(message, MB_OK | MB_ICONEXCLAMATION);
    }
}

int CMorvaneApp::ShowMessage(const std::wstring& text, UINT type) const {
    const int button = CWinApp::ShowMessage(text, type);
    // A report that could not be shown is not reported again.
    if (button == 0 && (type & MB_TYPEMASK) != MB_OK) {
        const DWORD error = GetLastError();
        Tell(FormatText(Text(TextId::CommandFailed), {TextArg(static_cast<int>(error))}));
    }
    return button;
}

// Constructed by the library's static initialisation, before any export runs.
static CMorvaneApp theApp;

CMorvaneApp& App() { return theApp; }

}  // namespace morvane
