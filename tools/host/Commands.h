// The host's commands. Each calls the plug-in as the file manager would,
// prints what came back and answers the process's exit code.
#pragma once

#include <string>

#include "HostOptions.h"
#include "PluginLibrary.h"

namespace mvhost {

enum ExitCode : int {
    kExitOk = 0,
    kExitFailed = 1,    // the plug-in answered with a failure
    kExitUsage = 2,     // the command line was not understood
    kExitNoPlugin = 3,  // the plug-in could not be loaded or lacks the export
};

int ListCommand(const PluginCalls& calls, const HostOptions& options);
int PutCommand(const PluginCalls& calls, const HostOptions& options);
int DeleteCommand(const PluginCalls& calls, const HostOptions& options);
int ExecCommand(const PluginCalls& calls, const HostOptions& options);
int IconCommand(const PluginCalls& calls, const HostOptions& options);
int RootNameCommand(const PluginCalls& calls, const HostOptions& options);
int ColumnsCommand(const PluginCalls& calls, const HostOptions& options);

// The catalogue's registry store, read or written without the plug-in.
int RecordsCommand(const HostOptions& options);
int RecordCommand(const HostOptions& options);

// A name in the plug-in's folder as the file manager passes it: with the
// leading backslash of the root ("disk.iso" becomes "\disk.iso"). An empty
// name stays empty.
std::string RemoteName(const std::string& name);

}  // namespace mvhost
