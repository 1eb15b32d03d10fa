// The calls the file manager (and rundll32, for MountAfterReboot) makes. Each
// is a thin shell around an operation of the application object. The file
// manager calls the wide ones on every system it runs on today; each narrow
// one converts its texts from the code page and does what the wide one does,
// so that a name reaches only the entry whose name it spells exactly.
#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <cwchar>
#include <string>

#include "dialogs/AboutDlg.h"
#include "dialogs/PropDlg.h"
#include "operations/ImageClass.h"
#include "plugin/FsPluginApi.h"
#include "plugin/MorvaneApp.h"
#include "plugin/RootName.h"
#include "res/ResourceIds.h"
#include "win32/AnsiText.h"
#include "win32/NoThrow.h"
#include "win32/OwnModule.h"

using namespace morvane;

namespace {

// The stored find data is handed over as the host's own record, in the 32-bit
// build as in the 64-bit one.
static_assert(sizeof(WIN32_FIND_DATAA) == kFindDataSize, "find data layout");
static_assert(offsetof(WIN32_FIND_DATAA, nFileSizeLow) == offsetof(FindData, nFileSizeLow), "find data layout");
static_assert(offsetof(WIN32_FIND_DATAA, cFileName) == offsetof(FindData, cFileName), "find data layout");
static_assert(offsetof(WIN32_FIND_DATAA, cAlternateFileName) == offsetof(FindData, cAlternateFileName),
              "find data layout");
static_assert(offsetof(WIN32_FIND_DATAW, cFileName) == offsetof(FindData, cFileName), "find data layout");

// A text the file manager passes; a null pointer is the empty text.
std::wstring Wide(const wchar_t* text) { return text ? std::wstring(text) : std::wstring(); }
std::wstring Wide(const char* text) { return win32::WideText(text ? text : ""); }

template <size_t N>
void TerminateWithin(char (&field)[N]) {
    if (!std::memchr(field, '\0', N)) field[N - 1] = '\0';
}

// The host receives a record's stored find data: attributes, times and size
// as the image file had them when it was added, and the name the entry is
// listed by (see ListedNameOf). The narrow record holds the stored bytes,
// its name spelled in the code page; a name it cannot spell reads with '?',
// which names no entry.
void CopyFindData(const ListedEntry& entry, WIN32_FIND_DATAA* out) {
    std::memcpy(out, entry.findData, kFindDataSize);
    TerminateWithin(out->cFileName);
    TerminateWithin(out->cAlternateFileName);
    const std::string name = win32::ShownAnsiText(entry.name, sizeof out->cFileName);
    if (name != out->cFileName) SetFieldText(out->cFileName, name);
}

void CopyFindData(const ListedEntry& entry, WIN32_FIND_DATAW* out) {
    const FindData& data = *entry.findData;
    std::memcpy(out, &data, offsetof(FindData, cFileName));
    const size_t length = std::min(entry.name.size(), std::size(out->cFileName) - 1);
    std::wmemcpy(out->cFileName, entry.name.data(), length);
    out->cFileName[length] = L'\0';
    const std::wstring shortName = win32::WideText(FieldView(data.cAlternateFileName));
    if (shortName.size() < std::size(out->cAlternateFileName))
        std::wmemcpy(out->cAlternateFileName, shortName.c_str(), shortName.size() + 1);
}

// The file manager sends notices of its own through the verb, such as the
// transfer mode ("MODE I"); they are not requests to open anything.
bool IsHostNotice(const std::wstring& verb) { return _wcsnicmp(verb.c_str(), L"mode ", 5) == 0; }

// What the host gets when something inside failed beyond the interface's own
// answers (memory ran out): its codes for an unreadable folder or file.
HANDLE ReadError() {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return INVALID_HANDLE_VALUE;
}

// The next entry of the listing `handle` into `findData`; false at its end.
template <typename FindDataT>
bool NextEntry(intptr_t handle, FindDataT* findData) {
    std::shared_ptr<const ListingSnapshot> snapshot;
    ListedEntry entry{};
    if (!App().GetListings().Next(handle, snapshot, entry)) return false;
    CopyFindData(entry, findData);
    return true;
}

template <typename FindDataT>
HANDLE FindFirst(const std::wstring& path, FindDataT* findData) {
    std::memset(findData, 0, sizeof *findData);
    if (path != L"\\") {
        SetLastError(ERROR_NO_MORE_FILES);
        return INVALID_HANDLE_VALUE;
    }
    return win32::NoThrow(
        [findData] {
            const intptr_t handle = App().OpenListing();
            if (handle == Listings::kNone || !NextEntry(handle, findData)) {
                SetLastError(ERROR_NO_MORE_FILES);
                return INVALID_HANDLE_VALUE;
            }
            return reinterpret_cast<HANDLE>(handle);
        },
        ReadError);
}

template <typename FindDataT>
BOOL FindNext(HANDLE handle, FindDataT* findData) {
    std::memset(findData, 0, sizeof *findData);
    return win32::NoThrow([=] { return NextEntry(reinterpret_cast<intptr_t>(handle), findData) ? TRUE : FALSE; },
                          [] { return FALSE; });
}

int PutFile(const std::wstring& localName, const std::wstring& remoteName, int copyFlags) {
    return win32::NoThrow(
        [&] {
            CMorvaneApp& app = App();
            app.Start();
            app.RefreshForCall();
            StoredImage existing;
            if (app.FindImage(remoteName, existing) && (copyFlags & kFsCopyFlagOverwrite) == 0) return kFsFileExists;
            switch (app.AddImage(localName, remoteName)) {
            case AddResult::Added:
                return kFsFileOk;
            case AddResult::NoImageFile:
            case AddResult::BelowTheRoot:
                return kFsFileNotFound;
            case AddResult::Declined:
                return kFsFileUserAbort;
            case AddResult::NameRefused:
            case AddResult::NotStored:
                break;
            }
            return kFsFileWriteError;
        },
        [] { return kFsFileReadError; });
}

BOOL DeleteEntry(const std::wstring& remoteName) {
    return win32::NoThrow(
        [&] {
            CMorvaneApp& app = App();
            app.Start();
            app.RefreshForCall();
            return app.RemoveImage(remoteName) == kRemoveDone ? TRUE : FALSE;
        },
        [] { return FALSE; });
}

int ExecuteFile(HWND mainWin, const std::wstring& remoteName, const std::wstring& verb) {
    if (remoteName.empty() || IsHostNotice(verb)) return kFsExecOk;
    return win32::NoThrow(
        [&] {
            CMorvaneApp& app = App();
            app.Start();
            const win32::CWinApp::HostWindowScope host(app, mainWin);
            if (remoteName == L"\\" && _wcsicmp(verb.c_str(), L"properties") == 0) {
                CAboutDlg about(app, nullptr);
                about.DoModal();
                return kFsExecOk;
            }
            app.RefreshForCall();
            CPropDlg dialog(app, remoteName, mainWin);
            dialog.DoModal();
            return kFsExecOk;
        },
        [] { return kFsExecError; });
}

int ExtractCustomIcon(const std::wstring& remoteName, HICON* icon) {
    return win32::NoThrow(
        [&] {
            // By the name alone: no refresh, and the name need not be catalogued.
            const PanelIcon kind = PanelIconOf(win32::AfterLastBackslash(std::wstring_view(remoteName)));
            if (kind == PanelIcon::Default) return kFsIconUseDefault;
            const WORD id = kind == PanelIcon::CdDvd ? IDI_CD_IMAGE : IDI_DISK_IMAGE;
            // The module's shared icon, the same for the small-icon flag.
            *icon = LoadIconW(win32::GetOwnModuleHandle(), MAKEINTRESOURCEW(id));
            return *icon ? kFsIconExtracted : kFsIconUseDefault;
        },
        [] { return kFsIconUseDefault; });
}

// What both FsInit calls do after taking the host's values: the language in
// force and the catalogue read.
int StartPlugin() {
    win32::NoThrow([] {
        CMorvaneApp& app = App();
        app.Start();
        app.RefreshCatalogue();
    });
    return 0;
}

// A rename (Move set) inside the folder; a copy inside it makes no sense for
// entries that only point at files.
int RenMovFile(const std::wstring& oldName, const std::wstring& newName, BOOL move, BOOL overWrite) {
    if (!move) return kFsFileNotSupported;
    return win32::NoThrow(
        [&] {
            CMorvaneApp& app = App();
            app.Start();
            if (app.ReportProgress(oldName, newName, 0)) return kFsFileUserAbort;
            app.RefreshForCall();
            switch (app.RenameImage(oldName, newName, overWrite != FALSE)) {
            case RenameResult::Done:
                app.ReportProgress(oldName, newName, 100);
                return kFsFileOk;
            case RenameResult::NotFound:
                return kFsFileNotFound;
            case RenameResult::Exists:
                return kFsFileExists;
            case RenameResult::Failed:
                break;
            }
            return kFsFileWriteError;
        },
        [] { return kFsFileWriteError; });
}

}  // namespace

extern "C" {

int __stdcall FsInit(int pluginNr, FsProgressProc progress, FsLogProc log, FsRequestProc request) {
    App().Initialise(pluginNr, progress, log, request);
    return StartPlugin();
}

int __stdcall FsInitW(int pluginNr, FsProgressProcW progress, FsLogProcW log, FsRequestProcW request) {
    App().InitialiseWide(pluginNr, progress, log, request);
    return StartPlugin();
}

HANDLE __stdcall FsFindFirst(char* path, WIN32_FIND_DATAA* findData) { return FindFirst(Wide(path), findData); }

HANDLE __stdcall FsFindFirstW(wchar_t* path, WIN32_FIND_DATAW* findData) { return FindFirst(Wide(path), findData); }

BOOL __stdcall FsFindNext(HANDLE handle, WIN32_FIND_DATAA* findData) { return FindNext(handle, findData); }

BOOL __stdcall FsFindNextW(HANDLE handle, WIN32_FIND_DATAW* findData) { return FindNext(handle, findData); }

int __stdcall FsFindClose(HANDLE handle) {
    win32::NoThrow([handle] { App().GetListings().Close(reinterpret_cast<intptr_t>(handle)); });
    return 0;
}

void __stdcall FsGetDefRootName(char* defRootName, int maxLen) { CopyRootName(defRootName, maxLen); }

void __stdcall FsSetDefaultParams(FsDefaultParams*) {}

// Every operation of the file manager comes between a start and an end: the
// store is read once in it (see OperationBrackets). Which operation it is
// does not matter.
void __stdcall FsStatusInfo(char*, int startEnd, int) {
    CMorvaneApp& app = App();
    if (startEnd == kFsStatusStart) app.StartOperation();
    if (startEnd == kFsStatusEnd) app.EndOperation();
}

int __stdcall FsPutFile(char* localName, char* remoteName, int copyFlags) {
    return PutFile(Wide(localName), Wide(remoteName), copyFlags);
}

int __stdcall FsPutFileW(wchar_t* localName, wchar_t* remoteName, int copyFlags) {
    return PutFile(Wide(localName), Wide(remoteName), copyFlags);
}

BOOL __stdcall FsDeleteFile(char* remoteName) { return DeleteEntry(Wide(remoteName)); }

BOOL __stdcall FsDeleteFileW(wchar_t* remoteName) { return DeleteEntry(Wide(remoteName)); }

int __stdcall FsExecuteFile(HWND mainWin, char* remoteName, char* verb) {
    return ExecuteFile(mainWin, Wide(remoteName), Wide(verb));
}

int __stdcall FsExecuteFileW(HWND mainWin, wchar_t* remoteName, wchar_t* verb) {
    return ExecuteFile(mainWin, Wide(remoteName), Wide(verb));
}

int __stdcall FsExtractCustomIcon(char* remoteName, int, HICON* icon) {
    return ExtractCustomIcon(Wide(remoteName), icon);
}

int __stdcall FsExtractCustomIconW(wchar_t* remoteName, int, HICON* icon) {
    return ExtractCustomIcon(Wide(remoteName), icon);
}

int __stdcall FsRenMovFile(char* oldName, char* newName, BOOL move, BOOL overWrite, FsRemoteInfo*) {
    return RenMovFile(Wide(oldName), Wide(newName), move, overWrite);
}

int __stdcall FsRenMovFileW(wchar_t* oldName, wchar_t* newName, BOOL move, BOOL overWrite, FsRemoteInfo*) {
    return RenMovFile(Wide(oldName), Wide(newName), move, overWrite);
}

void __stdcall MountAfterReboot(HWND, HINSTANCE, LPSTR, int) {
    win32::NoThrow([] {
        CMorvaneApp& app = App();
        app.Start();
        app.RestoreMounts();
    });
}

}  // extern "C"
