// The calls the file manager (and rundll32, for MountAfterReboot) makes. Each
// is a thin shell around an operation of the application object.
#include <windows.h>

#include <cstddef>
#include <cstring>
#include <string>

#include "catalogue/ListedName.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/PropDlg.h"
#include "imageops/ImageClass.h"
#include "plugin/FsPluginApi.h"
#include "plugin/MorvaneApp.h"
#include "plugin/RootName.h"
#include "res/ResourceIds.h"
#include "win32/AnsiText.h"
#include "win32/NoThrow.h"
#include "win32/OwnModule.h"

using namespace morvane;

namespace {

template <size_t N>
void TerminateWithin(char (&field)[N]) {
    if (!std::memchr(field, '\0', N)) field[N - 1] = '\0';
}

// The stored find data is handed over as the host's own record, in the 32-bit
// build as in the 64-bit one.
static_assert(sizeof(WIN32_FIND_DATAA) == kFindDataSize, "find data layout");
static_assert(offsetof(WIN32_FIND_DATAA, nFileSizeLow) == offsetof(FindData, nFileSizeLow), "find data layout");
static_assert(offsetof(WIN32_FIND_DATAA, cFileName) == offsetof(FindData, cFileName), "find data layout");
static_assert(offsetof(WIN32_FIND_DATAA, cAlternateFileName) == offsetof(FindData, cAlternateFileName),
              "find data layout");

// The host receives the first 320 bytes of a record: its stored find data.
// A damaged or foreign record may lack the terminator of a name field; the
// host reads those as strings, so its copy always ends inside the field, and
// names the entry as ListedNameOf says.
void CopyFindData(const StoredImage& image, WIN32_FIND_DATAA* out) {
    std::memcpy(out, &image.record.findData, kFindDataSize);
    TerminateWithin(out->cFileName);
    TerminateWithin(out->cAlternateFileName);
    const std::string_view listed = ListedNameOf(image);
    if (listed != out->cFileName) SetFieldText(out->cFileName, listed);
}

// The file manager sends notices of its own through the verb, such as the
// transfer mode ("MODE I"); they are not requests to open anything.
bool IsHostNotice(const char* verb) { return verb && _strnicmp(verb, "mode ", 5) == 0; }

// What the host gets when something inside failed beyond the interface's own
// answers (memory ran out): its codes for an unreadable folder or file.
HANDLE ReadError() {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return INVALID_HANDLE_VALUE;
}

}  // namespace

extern "C" {

int __stdcall FsInit(int pluginNr, FsProgressProc progress, FsLogProc log, FsRequestProc request) {
    CMorvaneApp& app = App();
    app.Initialise(pluginNr, reinterpret_cast<void*>(progress), reinterpret_cast<void*>(log),
                   reinterpret_cast<void*>(request));
    win32::NoThrow([&app] {
        app.Start();
        app.RefreshCatalogue();
    });
    return 0;
}

HANDLE __stdcall FsFindFirst(char* path, WIN32_FIND_DATAA* findData) {
    std::memset(findData, 0, sizeof *findData);
    if (!path || std::strcmp(path, "\\") != 0) {
        SetLastError(ERROR_NO_MORE_FILES);
        return INVALID_HANDLE_VALUE;
    }
    return win32::NoThrow(
        [findData] {
            CMorvaneApp& app = App();
            StoredImage image;
            if (!app.ListFirst(image)) {
                SetLastError(ERROR_NO_MORE_FILES);
                return INVALID_HANDLE_VALUE;
            }
            CopyFindData(image, findData);
            return reinterpret_cast<HANDLE>(app.ListHandle());
        },
        ReadError);
}

BOOL __stdcall FsFindNext(HANDLE, WIN32_FIND_DATAA* findData) {
    std::memset(findData, 0, sizeof *findData);
    return win32::NoThrow(
        [findData] {
            StoredImage image;
            if (!App().ListNext(image)) return FALSE;
            CopyFindData(image, findData);
            return TRUE;
        },
        [] { return FALSE; });
}

int __stdcall FsFindClose(HANDLE) {
    App().ListClose();
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
    return win32::NoThrow(
        [=] {
            CMorvaneApp& app = App();
            app.Start();
            app.RefreshForCall();
            StoredImage existing;
            if (app.FindImage(remoteName, existing) && (copyFlags & kFsCopyFlagOverwrite) == 0) return kFsFileExists;
            return app.AddImage(localName, remoteName) ? kFsFileOk : kFsFileNotFound;
        },
        [] { return kFsFileReadError; });
}

BOOL __stdcall FsDeleteFile(char* remoteName) {
    return win32::NoThrow(
        [remoteName] {
            CMorvaneApp& app = App();
            app.Start();
            app.RefreshForCall();
            return app.RemoveImage(remoteName) == kRemoveDone ? TRUE : FALSE;
        },
        [] { return FALSE; });
}

int __stdcall FsExecuteFile(HWND mainWin, char* remoteName, char* verb) {
    if (!remoteName || remoteName[0] == '\0' || IsHostNotice(verb)) return kFsExecOk;
    return win32::NoThrow(
        [=] {
            CMorvaneApp& app = App();
            app.Start();
            const win32::CWinApp::HostWindowScope host(app, mainWin);
            if (std::strcmp(remoteName, "\\") == 0 && verb && _stricmp(verb, "properties") == 0) {
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

int __stdcall FsExtractCustomIcon(char* remoteName, int, HICON* icon) {
    return win32::NoThrow(
        [=] {
            // By the name alone: no refresh, and the name need not be catalogued.
            const PanelIcon kind = PanelIconOf(win32::AfterLastBackslash(remoteName ? remoteName : ""));
            if (kind == PanelIcon::Default) return kFsIconUseDefault;
            const WORD id = kind == PanelIcon::CdDvd ? IDI_CD_IMAGE : IDI_DISK_IMAGE;
            // The module's shared icon, the same for the small-icon flag.
            *icon = LoadIconA(win32::GetOwnModuleHandle(), MAKEINTRESOURCEA(id));
            return *icon ? kFsIconExtracted : kFsIconUseDefault;
        },
        [] { return kFsIconUseDefault; });
}

void __stdcall MountAfterReboot(HWND, HINSTANCE, LPSTR, int) {
    win32::NoThrow([] {
        CMorvaneApp& app = App();
        app.Start();
        app.RestoreMounts();
    });
}

}  // extern "C"
