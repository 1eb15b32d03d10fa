// mvhost: a command-line stand-in for the file manager. It loads a
// file-system plug-in, initialises it as the file manager does and runs one
// command against it; scripts and tests drive the plug-in through it.
#include <windows.h>

#include <optional>

#include "Commands.h"
#include "ConsoleText.h"
#include "HostOptions.h"
#include "PluginLibrary.h"
#include "plugin/ExportNames.h"
#include "uidriver/Session.h"
#include "winpatch/StandInDismount.h"

using namespace mvhost;

namespace {

using Command = int (*)(const PluginCalls&, const HostOptions&);

Command CommandNamed(const std::string& name) {
    struct Entry {
        const char* name;
        Command run;
    };
    const Entry commands[] = {
        {"list", ListCommand}, {"put", PutCommand},   {"rename", RenameCommand},   {"delete", DeleteCommand},
        {"exec", ExecCommand}, {"icon", IconCommand}, {"columns", ColumnsCommand}, {"rootname", RootNameCommand},
    };
    for (const Entry& c : commands)
        if (name == c.name) return c.run;
    return nullptr;
}

int Usage(const std::string& error) {
    Print("mvhost: " + error + "\n" + kUsage);
    return kExitUsage;
}

// Commands on the store itself: no plug-in is loaded for them.
using StoreCommand = int (*)(const HostOptions&);

StoreCommand StoreCommandNamed(const std::string& name) {
    if (name == "records") return RecordsCommand;
    if (name == "record") return RecordCommand;
    return nullptr;
}

void PrintEvent(const uidriver::Event& event) { Print(uidriver::EventText(event)); }

// A script that expected a window the plug-in did not show says so.
void PrintStepsNotTaken(const uidriver::Session& session) {
    session.Transcript();
    for (const uidriver::Step& step : session.StepsLeft()) Print("mvhost: step not taken: " + StepText(step) + "\n");
}

}  // namespace

int main() {
    HostOptions options;
    std::string error;
    if (!ParseOptions(CommandLineWords(), options, error)) return Usage(error);
    if (const StoreCommand store = StoreCommandNamed(options.command)) {
        const int rc = store(options);
        return rc == kExitUsage ? Usage("wrong arguments for " + options.command) : rc;
    }
    const Command command = CommandNamed(options.command);
    if (!command) return Usage("unknown command: " + options.command);

    // Started before the plug-in is loaded: its initialisation may already
    // ask something.
    const uidriver::Session session(options.steps, GetCurrentThreadId(), PrintEvent);
    const std::string path =
        options.pluginPath.empty() ? HostDirectory() + morvane::kPluginFileName : options.pluginPath;
    PluginLibrary plugin(path);
    if (!plugin.IsReady()) {
        Print("mvhost: " + plugin.Error() + "\n");
        return kExitNoPlugin;
    }
    std::optional<winpatch::WindowsDismount> dismount;
    if (options.standIn) dismount.emplace(plugin.Handle());
    const int rc = command(plugin.Calls(), options);
    if (rc == kExitUsage) return Usage("wrong arguments for " + options.command);
    PrintStepsNotTaken(session);
    return rc;
}
