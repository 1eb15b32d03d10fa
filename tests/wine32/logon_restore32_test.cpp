// The log-on restore of the 32-bit plug-in: the command line it leaves in the
// Run key, started by a 64-bit program as the system's log-on starter is one,
// runs it in the 32-bit rundll32, and its requests reach the 64-bit stand-in
// driver.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <regex>
#include <string>

#include "harness/ActivityLogFile.h"
#include "harness/ChildProcess.h"
#include "harness/DriveLetters.h"
#include "harness/FileBytes.h"
#include "harness/Plugin.h"
#include "harness/ScratchFolder.h"
#include "harness/StoredRecords.h"
#include "logon/AutorunCommand.h"
#include "support/CleanRegistry.h"

using namespace morvane;
using namespace morvane::test;

namespace {

class LogonRestore32 : public CleanRegistryTest {
protected:
    FreshActivityLog log_;
};

std::string RunValue() {
    char value[1024] = {};
    DWORD size = sizeof value;
    RegGetValueA(HKEY_CURRENT_USER, kRunKey, "MorvaneAutomount", RRF_RT_REG_SZ, nullptr, value, &size);
    return value;
}

}  // namespace

TEST_F(LogonRestore32, MissingImagesAreLoggedAndStoredUnmounted) {
    ScratchFolder folder;
    ASSERT_TRUE(folder.IsReady());
    const RecordFields records[] = {
        {"gone.iso", folder.Path() + "gone.iso", 'P', 3, true, true},
        {"gone.img", folder.Path() + "gone.img", 'R', 4, true, true},
    };
    for (const RecordFields& r : records) {
        ASSERT_FALSE(DriveDefined(r.letter)) << r.letter;
        ASSERT_EQ(StoreRecord(r), ERROR_SUCCESS);
    }
    {
        // Reading a catalogue leaves the log-on entry, naming this plug-in.
        LoadedPlugin plugin;
        ASSERT_TRUE(plugin.IsLoaded()) << "error " << GetLastError();
        plugin.Fs().FsInit(1, nullptr, nullptr, nullptr);
    }
    // To a 64-bit starter plain "rundll32" is the 64-bit one, which cannot
    // load this plug-in.
    const std::string command = RunValue();
    ASSERT_EQ(command, "\"C:\\windows\\syswow64\\rundll32.exe\" \"" + TestPluginPath() + "\",MountAfterReboot");

    // The 64-bit command processor runs it as it stands from a batch file.
    const std::string batch = folder.Path() + "logon.bat";
    ASSERT_TRUE(WriteFileBytes(batch, "@" + command + "\r\n"));
    ChildProcess logon("C:\\windows\\sysnative\\cmd.exe /c \"" + batch + "\"");
    const ChildRun run = logon.Wait();
    ASSERT_TRUE(run.started) << "error " << run.startError;
    EXPECT_TRUE(run.finished) << "still running: waiting for someone?";
    for (const SeenDialog& dialog : run.dialogs) ADD_FAILURE() << "asked: " << dialog.text;

    for (const RecordFields& r : records) {
        SCOPED_TRACE(r.name);
        EXPECT_FALSE(DriveDefined(r.letter));
        CFileInfo expected = MakeRecord(r);
        expected.mounted = 0;
        const auto stored = ReadRecord(r.name);
        ASSERT_TRUE(stored);
        EXPECT_EQ(std::memcmp(&*stored, &expected, sizeof expected), 0);
    }
    // Each entry is its time, a tab and the message, lines ending in CR LF.
    const std::regex twoEntries(
        "(\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d\\t"
        "Error mounting the image!\\r\\nThe image file is not accessible\\.\\r\\n){2}");
    const std::string log = ReadActivityLog();
    EXPECT_TRUE(std::regex_match(log, twoEntries)) << log;
}
