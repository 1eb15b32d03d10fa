// put, delete and exec: the file manager's copy into the folder, its delete
// and its open (or other verb) on an entry.
#include <windows.h>

#include "Commands.h"
#include "ConsoleText.h"
#include "plugin/FsPluginApi.h"

namespace mvhost {
namespace {

const char* PutResultWord(int result) {
    switch (result) {
        case morvane::kFsFileOk: return "ok";
        case morvane::kFsFileExists: return "file exists";
        case morvane::kFsFileNotFound: return "file not found";
        default: return "unknown result";
    }
}

// The file manager always passes a full local path.
std::string FullLocalPath(const std::string& path) {
    char full[MAX_PATH];
    const DWORD len = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    return len == 0 || len >= MAX_PATH ? path : std::string(full, len);
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

int PutCommand(const PluginCalls& calls, const HostOptions& options) {
    if (options.arguments.size() != 2) return kExitUsage;
    if (!HasExport(reinterpret_cast<const void*>(calls.FsPutFile), "FsPutFile")) return kExitNoPlugin;
    std::string local = FullLocalPath(options.arguments[0]);
    std::string remote = RemoteName(options.arguments[1]);
    const int flags = (options.overwrite ? morvane::kFsCopyFlagOverwrite : 0) |
                      (options.move ? morvane::kFsCopyFlagMove : 0);
    const int result = [&] {
        const OperationBracket copy(calls, morvane::kFsStatusOpPutSingle);
        return calls.FsPutFile(local.data(), remote.data(), flags);
    }();
    Print("FsPutFile " + AnsiToUtf8(local) + " -> " + AnsiToUtf8(remote) + ": " + std::to_string(result) + " (" +
          PutResultWord(result) + ")\n");
    return result == morvane::kFsFileOk ? kExitOk : kExitFailed;
}

int DeleteCommand(const PluginCalls& calls, const HostOptions& options) {
    if (options.arguments.size() != 1) return kExitUsage;
    if (!HasExport(reinterpret_cast<const void*>(calls.FsDeleteFile), "FsDeleteFile")) return kExitNoPlugin;
    std::string remote = RemoteName(options.arguments[0]);
    const BOOL removed = [&] {
        const OperationBracket deletion(calls, morvane::kFsStatusOpDelete);
        return calls.FsDeleteFile(remote.data());
    }();
    Print("FsDeleteFile " + AnsiToUtf8(remote) + ": " + (removed ? "removed" : "not removed") + "\n");
    return removed ? kExitOk : kExitFailed;
}

int ExecCommand(const PluginCalls& calls, const HostOptions& options) {
    if (options.arguments.size() != 2) return kExitUsage;
    if (!HasExport(reinterpret_cast<const void*>(calls.FsExecuteFile), "FsExecuteFile")) return kExitNoPlugin;
    std::string remote = RemoteName(options.arguments[0]);
    std::string verb = options.arguments[1];
    const int result = [&] {
        const OperationBracket execution(calls, morvane::kFsStatusOpExec);
        return calls.FsExecuteFile(nullptr, remote.data(), verb.data());
    }();
    Print("FsExecuteFile " + AnsiToUtf8(remote) + " \"" + AnsiToUtf8(verb) + "\": " + std::to_string(result) +
          (result == morvane::kFsExecOk ? " (done)\n" : "\n"));
    return result == morvane::kFsExecOk ? kExitOk : kExitFailed;
}

}  // namespace mvhost
