// The host's commands. Each calls the plug-in as the file manager would,
// prints what came back and answers the process's exit code.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "HostOptions.h"
#include "PluginLibrary.h"
#include "plugin/FsPluginApi.h"

namespace mvhost {

enum ExitCode : int {
    kExitOk = 0,
    kExitFailed = 1,    // the plug-in answered with a failure
    kExitUsage = 2,     // the command line was not understood
    kExitNoPlugin = 3,  // the plug-in could not be loaded or lacks the export
};

int ListCommand(const PluginCalls& calls, const HostOptions& options);
int PutCommand(const PluginCalls& calls, const HostOptions& options);
int RenameCommand(const PluginCalls& calls, const HostOptions& options);
int DeleteCommand(const PluginCalls& calls, const HostOptions& options);
int ExecCommand(const PluginCalls& calls, const HostOptions& options);
int IconCommand(const PluginCalls& calls, const HostOptions& options);
int RootNameCommand(const PluginCalls& calls, const HostOptions& options);
int ColumnsCommand(const PluginCalls& calls, const HostOptions& options);

// The catalogue's registry store, read or written without the plug-in.
int RecordsCommand(const HostOptions& options);
int RecordCommand(const HostOptions& options);

// Whether a command calls the wide form of an export: whenever the plug-in
// has it, as the file manager does on every NT system, unless --ansi asks
// for the narrow one.
template <typename WideCall>
bool CallsWide(WideCall call, const HostOptions& options) {
    return call != nullptr && !options.ansi;
}

// A name in the plug-in's folder as the file manager passes it: with the
// leading backslash of the root ("disk.iso" becomes "\disk.iso"). An empty
// name stays empty.
std::string RemoteName(const std::string& name);

// A text for one of the plug-in's calls: in UTF-16 for a wide call, or in the
// code page as a narrow host converts it, and as the plug-in got it, in
// UTF-8, for the report.
struct CallText {
    CallText(const std::string& utf8, bool toWide);

    std::wstring wide;
    std::string ansi;
    std::string shown;
};

// A name in a buffer of the size the file manager hands a call that may
// write a name back, the rest zero; empty when the name does not fit it.
template <typename Char>
std::vector<Char> NameBuffer(const std::basic_string<Char>& name) {
    if (name.size() >= morvane::kFsMaxPath) return std::vector<Char>();
    std::vector<Char> buffer(morvane::kFsMaxPath, Char());
    std::copy(name.begin(), name.end(), buffer.begin());
    return buffer;
}

}  // namespace mvhost
