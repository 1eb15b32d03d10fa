#include "RestoreBench.h"

#include <windows.h>

#include <cstdio>
#include <optional>

#include "BenchStore.h"
#include "StandInMounts.h"
#include "Timing.h"
#include "harness/ActivityLogFile.h"
#include "harness/ChildProcess.h"
#include "harness/Plugin.h"
#include "harness/StoredRecords.h"
#include "logon/AutorunCommand.h"
#include "win32/RegKey.h"
#include "win32/UniqueHandle.h"

namespace morvane::bench {
namespace {

constexpr DWORD kRestoreTimeoutMs = 120000;

std::string RecordName(size_t index) {
    char name[32];
    std::snprintf(name, sizeof name, "Restore-%03zu.iso", index);
    return name;
}

// The state every run starts from: the letters free, the devices empty, the
// records as a shutdown left them, no log.
bool Prepare(StandInMounts& mounts, size_t records) {
    mounts.Clear();
    test::DeleteActivityLog();
    if (!EmptyStore()) return false;
    for (size_t i = 0; i < records; ++i)
        if (test::StoreRecord(RecordName(i), mounts.MarkedRecord(RecordName(i), i)) != ERROR_SUCCESS) return false;
    return true;
}

// The log-on entry the plug-in wrote, as it stands.
std::optional<std::string> RunKeyCommandLine() {
    win32::RegKey run;
    if (run.Open(HKEY_CURRENT_USER, kRunKey, KEY_READ) != ERROR_SUCCESS) return std::nullopt;
    char command[1024] = {};
    DWORD type = REG_NONE;
    DWORD size = sizeof command - 1;
    if (run.QueryValue("MorvaneAutomount", &type, command, &size) != ERROR_SUCCESS || type != REG_SZ)
        return std::nullopt;
    return std::string(command);
}

// Runs the command line as CreateProcess gets it from the log-on starter;
// false unless it ended within the time allowed.
bool RunToEnd(const std::string& commandLine) {
    test::ChildProcess process(commandLine);
    return process.WaitQuietly(kRestoreTimeoutMs);
}

void CountOutcome(RestoreRuns& result) {
    result.mounted = 0;
    result.corrected = 0;
    for (size_t i = 0; i < result.records; ++i) {
        const std::optional<CFileInfo> record = test::ReadRecord(RecordName(i));
        if (record && record->mounted) {
            ++result.mounted;
        } else if (record) {
            ++result.corrected;
        }
    }
}

}  // namespace

bool MeasureRestore(size_t records, int runs, RestoreRuns& result, std::string& why) {
    StandInMounts mounts;
    if (!mounts.IsReady()) {
        why = mounts.Why();
        return false;
    }
    result.records = records;
    if (!Prepare(mounts, records)) {
        why = "cannot write the records";
        return false;
    }
    {
        // Loading the plug-in writes its log-on entry.
        const test::LoadedPlugin plugin;
        if (plugin.IsLoaded()) plugin.Fs().FsInit(1, nullptr, nullptr, nullptr);
    }
    const std::optional<std::string> commandLine = RunKeyCommandLine();
    if (!commandLine) {
        why = "the plug-in wrote no log-on entry";
        return false;
    }
    result.commandLine = *commandLine;

    for (int run = 0; run < runs; ++run) {
        if (!Prepare(mounts, records)) {
            why = "cannot write the records";
            return false;
        }
        const Stopwatch watch;
        if (!RunToEnd(*commandLine)) {
            why = "rundll32 did not start or did not end";
            return false;
        }
        result.rundll32Ms.push_back(watch.Ms());
    }
    CountOutcome(result);

    for (int run = 0; run < runs; ++run) {
        if (!Prepare(mounts, records)) {
            why = "cannot write the records";
            return false;
        }
        const test::LoadedPlugin plugin;
        if (!plugin.IsLoaded()) {
            why = "cannot load " + test::TestPluginPath();
            return false;
        }
        char noArguments[] = "";
        const Stopwatch watch;
        plugin.Fs().MountAfterReboot(nullptr, nullptr, noArguments, SW_HIDE);
        result.inProcessMs.push_back(watch.Ms());
    }
    mounts.Clear();
    return true;
}

}  // namespace morvane::bench
