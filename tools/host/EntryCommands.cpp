// put, rename, delete and exec: the file manager's copy into the folder, its
// rename, its delete and its open (or other verb) on an entry.
#include <windows.h>

#include <vector>

#include "Commands.h"
#include "ConsoleText.h"
#include "plugin/FsPluginApi.h"

namespace mvhost {
namespace {

// The longest path the system handles, in characters with the terminator.
constexpr DWORD kLongestPath = 32768;

const char* FileResultWord(int result) {
    switch (result) {
        case morvane::kFsFileOk: return "ok";
        case morvane::kFsFileExists: return "file exists";
        case morvane::kFsFileNotFound: return "file not found";
        case morvane::kFsFileReadError: return "read error";
        case morvane::kFsFileWriteError: return "write error";
        case morvane::kFsFileUserAbort: return "user abort";
        case morvane::kFsFileNotSupported: return "not supported";
        default: return "unknown result";
    }
}

// The file manager always passes a full local path; one that cannot be made
// full is passed as given.
std::string FullLocalPath(const std::string& path) {
    const std::wstring wide = Utf8ToWide(path);
    std::vector<wchar_t> full(morvane::kFsMaxPath);
    while (full.size() <= kLongestPath) {
        const DWORD len = GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (len == 0) break;
        if (len < full.size()) return WideToUtf8(std::wstring_view(full.data(), len));
        // Too small: `len` is the size it takes, terminator included.
        full.resize(len);
    }
    return path;
}

bool HasExport(const void* call, const char* name) {
    if (call) return true;
    Print(std::string("the plug-in has no ") + name + " export\n");
    return false;
}

}  // namespace

std::string RemoteName(const std::string& name) {
    if (name.empty() || name[0] == '\\') return name;
    return "\\" + name;
}

CallText::CallText(const std::string& utf8, bool toWide) {
    if (toWide) {
        wide = Utf8ToWide(utf8);
        shown = utf8;
    } else {
        ansi = Utf8ToAnsi(utf8);
        shown = AnsiToUtf8(ansi);
    }
}

int PutCommand(const PluginCalls& calls, const HostOptions& options) {
    if (options.arguments.size() != 2) return kExitUsage;
    const bool wide = CallsWide(calls.FsPutFileW, options);
    if (!wide && !HasExport(reinterpret_cast<const void*>(calls.FsPutFile), "FsPutFile")) return kExitNoPlugin;
    CallText local(FullLocalPath(options.arguments[0]), wide);
    CallText remote(RemoteName(options.arguments[1]), wide);
    const int flags =
        (options.overwrite ? morvane::kFsCopyFlagOverwrite : 0) | (options.move ? morvane::kFsCopyFlagMove : 0);
    const int result = [&] {
        const OperationBracket copy(calls, morvane::kFsStatusOpPutSingle);
        return wide ? calls.FsPutFileW(local.wide.data(), remote.wide.data(), flags)
                    : calls.FsPutFile(local.ansi.data(), remote.ansi.data(), flags);
    }();
    Print("FsPutFile " + local.shown + " -> " + remote.shown + ": " + std::to_string(result) + " (" +
          FileResultWord(result) + ")\n");
    return result == morvane::kFsFileOk ? kExitOk : kExitFailed;
}

int RenameCommand(const PluginCalls& calls, const HostOptions& options) {
    if (options.arguments.size() != 2) return kExitUsage;
    const bool wide = CallsWide(calls.FsRenMovFileW, options);
    if (!wide && !HasExport(reinterpret_cast<const void*>(calls.FsRenMovFile), "FsRenMovFile")) return kExitNoPlugin;
    CallText oldName(RemoteName(options.arguments[0]), wide);
    CallText newName(RemoteName(options.arguments[1]), wide);
    // The entry's size, time and attributes, which the file manager has from
    // its listing; this host has listed nothing.
    morvane::FsRemoteInfo info{};
    const BOOL overwrite = options.overwrite ? TRUE : FALSE;
    const int result = [&] {
        const OperationBracket renaming(calls, morvane::kFsStatusOpRenMovSingle);
        return wide ? calls.FsRenMovFileW(oldName.wide.data(), newName.wide.data(), TRUE, overwrite, &info)
                    : calls.FsRenMovFile(oldName.ansi.data(), newName.ansi.data(), TRUE, overwrite, &info);
    }();
    Print("FsRenMovFile " + oldName.shown + " -> " + newName.shown + ": " + std::to_string(result) + " (" +
          FileResultWord(result) + ")\n");
    return result == morvane::kFsFileOk ? kExitOk : kExitFailed;
}

int DeleteCommand(const PluginCalls& calls, const HostOptions& options) {
    if (options.arguments.size() != 1) return kExitUsage;
    const bool wide = CallsWide(calls.FsDeleteFileW, options);
    if (!wide && !HasExport(reinterpret_cast<const void*>(calls.FsDeleteFile), "FsDeleteFile")) return kExitNoPlugin;
    CallText remote(RemoteName(options.arguments[0]), wide);
    const BOOL removed = [&] {
        const OperationBracket deletion(calls, morvane::kFsStatusOpDelete);
        return wide ? calls.FsDeleteFileW(remote.wide.data()) : calls.FsDeleteFile(remote.ansi.data());
    }();
    Print("FsDeleteFile " + remote.shown + ": " + (removed ? "removed" : "not removed") + "\n");
    return removed ? kExitOk : kExitFailed;
}

int ExecCommand(const PluginCalls& calls, const HostOptions& options) {
    if (options.arguments.size() != 2) return kExitUsage;
    const bool wide = CallsWide(calls.FsExecuteFileW, options);
    if (!wide && !HasExport(reinterpret_cast<const void*>(calls.FsExecuteFile), "FsExecuteFile")) return kExitNoPlugin;
    const CallText remote(RemoteName(options.arguments[0]), wide);
    CallText verb(options.arguments[1], wide);
    // The name is in and out: the plug-in may answer with a link's target.
    std::vector<wchar_t> wideName = NameBuffer(remote.wide);
    std::vector<char> ansiName = NameBuffer(remote.ansi);
    if (wide ? wideName.empty() : ansiName.empty()) return kExitUsage;
    const int result = [&] {
        const OperationBracket execution(calls, morvane::kFsStatusOpExec);
        return wide ? calls.FsExecuteFileW(nullptr, wideName.data(), verb.wide.data())
                    : calls.FsExecuteFile(nullptr, ansiName.data(), verb.ansi.data());
    }();
    Print("FsExecuteFile " + remote.shown + " \"" + verb.shown + "\": " + std::to_string(result) +
          (result == morvane::kFsExecOk ? " (done)\n" : "\n"));
    return result == morvane::kFsExecOk ? kExitOk : kExitFailed;
}

}  // namespace mvhost
