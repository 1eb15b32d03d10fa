// The one application object of the plug-in: it owns the catalogue, the drive
// table, the language table and the values the file manager hands over. Its
// operations are implemented in the folder of the subsystem they belong to.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "catalogue/Catalogue.h"
#include "catalogue/FileInfo.h"
#include "catalogue/StoredImage.h"
#include "drive/ReportContext.h"
#include "lang/MLangApp.h"

namespace morvane {

// Results of RemoveImage.
enum RemoveResult : int {
    kRemoveNoEntry = 0,
    kRemoveDone = 1,
    kRemoveKept = 2,
};

class CMorvaneApp : public CMLangApp {
public:
    CMorvaneApp();

    // Language (lang/).
    bool LoadLanguage(const std::string& fileName, bool quiet) override;
    virtual bool ReloadLanguage(bool quiet);
    void ReadLangSetting();
    bool SaveLangSetting();

    // Catalogue and its registry store (catalogue/).
    bool RefreshCatalogue();
    // Empties the catalogue and the drive table and fills them again from a
    // snapshot of the store, letting `visit` settle each record before it is
    // entered; then makes sure of the log-on entry. False, with nothing
    // changed, when the store cannot be read.
    bool RebuildFromStore(const std::function<void(StoredImage& image)>& visit);
    // The entry of a host name (the part after its last backslash, any case):
    // from the catalogue, or from the store when the catalogue lacks it.
    bool FindImage(std::string_view name, StoredImage& image) const;
    // Writes a record back to the value it was read from, and to no other:
    // false, and no value created, when that value no longer exists.
    bool SaveFileInfo(const CFileInfo& record, const std::string& valueName);
    // Stores a new record under its display name, creating the value.
    bool SaveNewFileInfo(const CFileInfo& record);

    // Image operations (imageops/).
    bool AddImage(const std::string& localPath, const std::string& remoteName);
    int RemoveImage(const std::string& remoteName);

    // Drive control (drive/).
    int FindFreeDeviceNumber(int family);
    // Both store the record's new state under `valueName` (SaveFileInfo).
    bool MountImage(CFileInfo& record, const std::string& valueName);
    bool UnmountImage(CFileInfo& record, const std::string& valueName);
    bool RestoreMounts();
    void EnsureAutorunEntry();
    void ReportDriveError(const std::string& text, ReportContext context);
    void ShowOrLogMessage(const std::string& message);

    // The drive table: only the letters A to Z index it; others read empty
    // and are never written.
    const std::string& DriveName(char letter) const;
    void SetDriveName(char letter, const std::string& displayName);
    void ClearDriveNames();

    // Catalogue key of a display name: its lower-case form.
    static std::string CatalogueKey(std::string_view displayName);

    std::array<std::string, 26> m_driveNames;
    Catalogue m_catalogue;
    std::string m_strLangFile;
    int m_nPluginNr = 0;
    void* m_pProgressProc = nullptr;
    void* m_pLogProc = nullptr;
    void* m_pRequestProc = nullptr;
    bool m_bLogOnly = false;
    Catalogue::Position m_findPos;

private:
    bool StoreRecord(const CFileInfo& record, const std::string& valueName, bool create);
};

// The library's single application object.
CMorvaneApp& App();

}  // namespace morvane
