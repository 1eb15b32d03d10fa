// The log-on restore of the 32-bit plug-in: the command line it leaves in the
// Run key, started by a 64-bit program as the system's log-on starter is one,
// runs it in the 32-bit rundll32, and its requests reach the 64-bit stand-in
// driver.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "drive/AutorunCommand.h"
#include "support/ActivityLogFile.h"
#include "support/CleanRegistry.h"
#include "support/DriveLetters.h"
#include "support/FileBytes.h"
#include "support/Plugin.h"
#include "support/Rundll32.h"
#include "support/ScratchFolder.h"
#include "support/StoredRecords.h"
#include "win32/RegKey.h"

using namespace morvane;
using namespace morvane::test;

namespace {

class LogonRestore32 : public CleanRegistryTest {
protected:
    void SetUp() override {
        CleanRegistryTest::SetUp();
        DeleteActivityLog();
    }
    void TearDown() override {
        DeleteActivityLog();
        CleanRegistryTest::TearDown();
    }
};

std::string RunValue() {
    win32::RegKey run;
    if (run.Open(HKEY_CURRENT_USER, kRunKey, KEY_READ) != ERROR_SUCCESS) return {};
    char value[MAX_PATH + 64] = {};
    DWORD type = 0;
    DWORD size = sizeof value - 1;
    if (run.QueryValue(kAutorunValueName, &type, reinterpret_cast<BYTE*>(value), &size) != ERROR_SUCCESS) return {};
    return type == REG_SZ ? std::string(value) : std::string();
}

// The log with the "dd.mm.yyyy HH:MM:SS\t" that opens each entry taken out.
std::string WithoutTimeStamps(const std::string& log) {
    std::string text;
    for (size_t start = 0; start < log.size();) {
        const size_t end = std::min(log.find("\r\n", start), log.size());
        std::string line = log.substr(start, end - start);
        if (line.size() > 20 && line[2] == '.' && line[10] == ' ' && line[19] == '\t') line.erase(0, 20);
        text += line + "\r\n";
        start = end + 2;
    }
    return text;
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
    LogonProcess logon("C:\\windows\\sysnative\\cmd.exe /c \"" + batch + "\"");
    const LogonRunResult run = logon.Wait();
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
    EXPECT_EQ(WithoutTimeStamps(ReadActivityLog()),
              "Error mounting the image!\r\nThe image file is not accessible.\r\n"
              "Error mounting the image!\r\nThe image file is not accessible.\r\n");
}
