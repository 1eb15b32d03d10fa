// The file manager's file-system plug-in interface, as far as the plug-in
// uses it: the exported calls, their result codes and the records they pass.
#pragma once

#include <windows.h>

#include <cstddef>

namespace morvane {

// Host callbacks, from FsInit and, in UTF-16, from FsInitW. Only the progress
// callback is called: a nonzero answer asks the plug-in to stop.
using FsProgressProc = int(__stdcall*)(int pluginNr, char* sourceName, char* targetName, int percentDone);
using FsLogProc = void(__stdcall*)(int pluginNr, int msgType, char* logString);
using FsRequestProc = BOOL(__stdcall*)(int pluginNr, int requestType, char* customTitle, char* customText,
                                       char* returnedText, int maxLen);
using FsProgressProcW = int(__stdcall*)(int pluginNr, wchar_t* sourceName, wchar_t* targetName, int percentDone);
using FsLogProcW = void(__stdcall*)(int pluginNr, int msgType, wchar_t* logString);
using FsRequestProcW = BOOL(__stdcall*)(int pluginNr, int requestType, wchar_t* customTitle, wchar_t* customText,
                                        wchar_t* returnedText, int maxLen);

// With FsFindFirstW exported, the file manager passes paths of up to 1,023
// characters to every call, the narrow ones too.
constexpr size_t kFsMaxPath = 1024;

// What FsRenMovFile passes about the entry it renames; not used.
struct FsRemoteInfo {
    DWORD sizeLow;
    DWORD sizeHigh;
    FILETIME lastWriteTime;
    int attributes;
};

struct FsDefaultParams {
    int size;
    DWORD pluginInterfaceVersionLow;
    DWORD pluginInterfaceVersionHi;
    char defaultIniName[MAX_PATH];
};

// FsPutFile and FsRenMovFile results, and the copy flags.
constexpr int kFsFileOk = 0;
constexpr int kFsFileExists = 1;
constexpr int kFsFileNotFound = 2;
constexpr int kFsFileReadError = 3;
constexpr int kFsFileWriteError = 4;
constexpr int kFsFileUserAbort = 5;
constexpr int kFsFileNotSupported = 6;
constexpr int kFsCopyFlagOverwrite = 1;
constexpr int kFsCopyFlagMove = 4;

// FsStatusInfo: the start and the end of an operation.
constexpr int kFsStatusStart = 0;
constexpr int kFsStatusEnd = 1;
// The operations the command-line host brackets as the file manager does.
constexpr int kFsStatusOpList = 1;
constexpr int kFsStatusOpPutSingle = 4;
constexpr int kFsStatusOpPutMulti = 5;
constexpr int kFsStatusOpRenMovSingle = 6;
constexpr int kFsStatusOpDelete = 8;
constexpr int kFsStatusOpExec = 11;

// FsExecuteFile results: the command was carried out, or it failed.
constexpr int kFsExecOk = 0;
constexpr int kFsExecError = 1;

// FsExtractCustomIcon results: the host's default icon, or one the plug-in
// keeps (the host must not destroy it).
constexpr int kFsIconUseDefault = 0;
constexpr int kFsIconExtracted = 1;

// Content (custom column) answers besides the field types of PanelColumns.h:
// the end of the field list, and a value's failures. A value is never
// answered with 0, which the host reads as "delayed, ask again later".
constexpr int kFtNoMoreFields = 0;
constexpr int kFtNoSuchField = -1;
constexpr int kFtFieldEmpty = -3;

}  // namespace morvane
