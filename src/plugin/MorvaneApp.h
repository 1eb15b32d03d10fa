// The one application object of the plug-in: it owns the catalogue, the drive
// table, the language table and setting, and the values the file manager
// hands over. Its operations hand these to the subsystems that do the work;
// the subsystems see it as a Reporter, the dialogs as a DialogHost.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/Catalogue.h"
#include "catalogue/DriveTable.h"
#include "catalogue/ImageTables.h"
#include "catalogue/StoredImage.h"
#include "dialogs/DialogHost.h"
#include "lang/MLangApp.h"
#include "operations/AddImage.h"
#include "operations/RemoveImage.h"
#include "operations/RenameImage.h"
#include "plugin/FsPluginApi.h"
#include "plugin/Listings.h"
#include "plugin/OperationBrackets.h"
#include "report/Reporter.h"

namespace morvane {

class CMorvaneApp : public CMLangApp, public Reporter, public DialogHost {
public:
    // Runs while the library is being loaded, under the system's loader
    // lock: it reads nothing (see Start).
    CMorvaneApp() = default;
    // Reads the language setting and puts it in force, without any message,
    // the first time; later calls do nothing. Every export that may show a
    // text calls it before anything else.
    void Start();

    // What FsInit and FsInitW hand over: the plug-in's number and the host's
    // callbacks, of which the progress callback is called, the wide one
    // where the host gave it.
    void Initialise(int pluginNr, FsProgressProc progress, FsLogProc log, FsRequestProc request);
    void InitialiseWide(int pluginNr, FsProgressProcW progress, FsLogProcW log, FsRequestProcW request);
    // Tells the host how far a transfer from `source` to `target` has come;
    // true when the user asked to stop it.
    bool ReportProgress(const std::wstring& source, const std::wstring& target, int percentDone) const;

    // Language.
    std::wstring LanguageSetting() const override { return m_strLangFile; }
    void ChooseLanguage(const std::wstring& langFile) override;
    std::string GetVersionString() const override;

    // Catalogue and its registry store.
    bool RefreshCatalogue() override;
    // The file manager's brackets around an operation (FsStatusInfo), and
    // the refresh each of its calls begins with: once an operation.
    void StartOperation() { m_brackets.Start(GetCurrentThreadId()); }
    void EndOperation() { m_brackets.End(GetCurrentThreadId()); }
    void RefreshForCall();
    bool FindImage(std::wstring_view hostName, StoredImage& image) const override;
    bool SaveFileInfo(const StoredImage& image) override;

    // The folder's listings (see Listings): one opened after a refresh, by
    // the handle the file manager holds (Listings::kNone for an empty
    // folder), and the latest one's columns, for any thread.
    intptr_t OpenListing();
    Listings& GetListings() { return m_listings; }

    // Image operations.
    AddResult AddImage(const std::wstring& localPath, const std::wstring& remoteName);
    RemoveResult RemoveImage(const std::wstring& remoteName);
    RenameResult RenameImage(const std::wstring& oldName, const std::wstring& newName, bool overwrite);

    // Drive control. Every report goes to the log once RestoreMounts began,
    // or while the log-only mode is set.
    bool MountImage(StoredImage& image) override;
    bool UnmountImage(StoredImage& image) override;
    bool RestoreMounts();
    void ShowOrLogMessage(const std::wstring& message) override;

    // Texts and message boxes, for the subsystems and the dialogs. A
    // question whose box cannot be shown answers 0, and that failure is
    // reported like any other.
    std::wstring Text(TextId id) const override { return CMLangApp::Text(id); }
    bool GetLangString(uint32_t id, std::string& text) const override { return CMLangApp::GetLangString(id, text); }
    int ShowMessage(const std::wstring& text, UINT type) const override;

    // The drive table.
    const std::wstring& DriveName(char letter) const override { return m_driveNames.Name(letter); }

private:
    // A failure shown with the OK button and the exclamation icon, or logged.
    void Tell(const std::wstring& message) const;
    ImageTables Tables() { return ImageTables{m_catalogue, m_driveNames, m_storeReading}; }

    DriveTable m_driveNames;
    Catalogue m_catalogue;
    std::vector<StoredImage> m_storeReading;
    std::wstring m_strLangFile;
    int m_nPluginNr = 0;
    FsProgressProc m_pProgressProc = nullptr;
    FsProgressProcW m_pProgressProcW = nullptr;
    bool m_bLogOnly = false;
    OperationBrackets m_brackets;
    std::once_flag m_started;
    // The one member used from other threads than the file manager's main
    // one, which guards itself.
    Listings m_listings;
};

// The library's single application object.
CMorvaneApp& App();

}  // namespace morvane
