// The one application object of the plug-in: it owns the catalogue, the drive
// table, the language table and the values the file manager hands over. Its
// operations hand these to the subsystems that do the work.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/Catalogue.h"
#include "catalogue/DriveTable.h"
#include "catalogue/ImageTables.h"
#include "catalogue/StoredImage.h"
#include "drive/ReportContext.h"
#include "drive/Reporter.h"
#include "imageops/RemoveImage.h"
#include "lang/MLangApp.h"

namespace morvane {

class CMorvaneApp : public CMLangApp, public Reporter {
public:
    CMorvaneApp();

    // Language.
    bool LoadLanguage(const std::string& fileName, bool quiet) override;
    virtual bool ReloadLanguage(bool quiet);
    void ReadLangSetting();
    bool SaveLangSetting();
    // The plug-in's product version with its stage, as the About dialog shows
    // it; empty when the module's version resource cannot be read.
    std::string GetVersionString() const;

    // Catalogue and its registry store.
    bool RefreshCatalogue();
    bool FindImage(std::string_view name, StoredImage& image) const;
    bool SaveFileInfo(const CFileInfo& record, const std::string& valueName);
    bool SaveNewFileInfo(const CFileInfo& record);

    // Image operations.
    bool AddImage(const std::string& localPath, const std::string& remoteName);
    RemoveResult RemoveImage(const std::string& remoteName);

    // Drive control. Every report goes to the log once RestoreMounts began.
    bool MountImage(CFileInfo& record, const std::string& valueName);
    bool UnmountImage(CFileInfo& record, const std::string& valueName);
    bool RestoreMounts();
    void ReportDriveError(const std::string& text, ReportContext context);
    void ShowOrLogMessage(const std::string& message) override;

    // Reporter.
    std::string Text(TextId id) const override { return LangText(id); }
    int Ask(const std::string& text, unsigned type) override { return ShowMessage(text, type); }

    // The drive table.
    const std::string& DriveName(char letter) const { return m_driveNames.Name(letter); }
    void SetDriveName(char letter, const std::string& displayName) { m_driveNames.Set(letter, displayName); }

    ImageTables Tables() { return ImageTables{m_catalogue, m_driveNames, m_storeReading}; }

    DriveTable m_driveNames;
    Catalogue m_catalogue;
    std::vector<StoredImage> m_storeReading;
    std::string m_strLangFile;
    int m_nPluginNr = 0;
    void* m_pProgressProc = nullptr;
    void* m_pLogProc = nullptr;
    void* m_pRequestProc = nullptr;
    bool m_bLogOnly = false;
    Catalogue::Position m_findPos;
};

// The library's single application object.
CMorvaneApp& App();

}  // namespace morvane
