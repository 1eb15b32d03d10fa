// Failure reports during the unattended log-on restore: appended, with a
// local time stamp, to Morvane.log beside the plug-in's own file.
#include <windows.h>
#include <gtest/gtest.h>

#include <ctime>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "harness/ActivityLogFile.h"
#include "harness/FileBytes.h"
#include "harness/Plugin.h"
#include "harness/ScratchFolder.h"
#include "harness/StoredRecords.h"
#include "logon/ActivityLog.h"
#include "logon/LogEntry.h"
#include "logon/TimeStamp.h"
#include "report/ErrorReport.h"
#include "support/BuiltinTextsFixture.h"
#include "support/CurrentDirectory.h"
#include "support/ExpectedTexts.h"
#include "support/MessageBoxWatcher.h"
#include "support/ProgramApp.h"
#include "support/SystemText.h"
#include "win32/UniqueHandle.h"

using namespace morvane;
using namespace morvane::test;

namespace {

// The log cut at its time stamps: what precedes the first stamp, then each
// entry's stamp and message.
struct SplitLog {
    std::string before;
    std::vector<std::string> stamps;
    std::vector<std::string> messages;
};

SplitLog Split(const std::string& log) {
    static const std::regex stamp(R"(\d\d\.\d\d\.\d{4} \d\d:\d\d:\d\d\t)");
    SplitLog split;
    size_t end = log.size();
    std::vector<std::pair<size_t, size_t>> found;
    for (auto it = std::sregex_iterator(log.begin(), log.end(), stamp); it != std::sregex_iterator(); ++it)
        found.emplace_back(static_cast<size_t>(it->position()), static_cast<size_t>(it->length()));
    split.before = log.substr(0, found.empty() ? end : found[0].first);
    for (size_t i = 0; i < found.size(); ++i) {
        const size_t start = found[i].first + found[i].second;
        const size_t stop = i + 1 < found.size() ? found[i + 1].first : end;
        split.stamps.push_back(log.substr(found[i].first, found[i].second));
        split.messages.push_back(log.substr(start, stop - start));
    }
    return split;
}

// Reports as the unattended log-on restore makes them: to the log, in the
// language of the test program's core.
class LogOnlyReporter : public Reporter {
public:
    std::wstring Text(TextId id) const override { return ProgramApp().Text(id); }
    int ShowMessage(const std::wstring&, UINT) const override { return 0; }
    void ShowOrLogMessage(const std::wstring& message) override { AppendToActivityLog(message); }
};

class ReportInLog : public BuiltinTextsTest {
protected:
    static void Report(DWORD error, const char* text, ReportContext context) {
        LogOnlyReporter reporter;
        ReportDriveError(reporter, text, context, error);
    }

    FreshActivityLog log_;
};

}  // namespace

TEST_F(ReportInLog, EntryIsTimeStampTabMessageAndNoBoxIsShown) {
    MessageBoxWatcher watcher;
    const std::time_t before = std::time(nullptr);
    Report(ERROR_BUSY, "Q:", ReportContext::General);
    const std::time_t after = std::time(nullptr);

    const auto log = FileBytes(ActivityLogPath());
    ASSERT_TRUE(log) << "no log beside the module";
    const std::string message = "Q: " + SystemText(ERROR_BUSY);
    ASSERT_GE(message.size(), 2u);
    ASSERT_EQ(message.substr(message.size() - 2), "\r\n") << "the system text brings its own line break";

    const SplitLog split = Split(*log);
    EXPECT_EQ(split.before, "");
    ASSERT_EQ(split.messages.size(), 1u) << *log;
    EXPECT_EQ(split.messages[0], message) << "nothing may be added after a message with its own line break";
    // The stamp is the local time of the report, to the second.
    bool stampOfTheReport = false;
    for (std::time_t t = before; t <= after; ++t)
        stampOfTheReport = stampOfTheReport || split.stamps[0] == FormatTimeStamp(t, kLogTimeStampPattern);
    EXPECT_TRUE(stampOfTheReport) << split.stamps[0];
    EXPECT_TRUE(watcher.Seen().empty());
}

TEST_F(ReportInLog, AppendsAndKeepsEverySpecialTextOnItsOwnLine) {
    ASSERT_TRUE(WriteFileBytes(ActivityLogPath(), "earlier entry\r\n"));
    MessageBoxWatcher watcher;
    Report(ERROR_FILE_NOT_FOUND, "MV_FileDisk:", ReportContext::AttachImage);
    Report(ERROR_PATH_NOT_FOUND, "Q:", ReportContext::CreateDevice);
    Report(ERROR_BUSY, "R:", ReportContext::General);

    const auto log = FileBytes(ActivityLogPath());
    ASSERT_TRUE(log);
    const SplitLog split = Split(*log);
    EXPECT_EQ(split.before, "earlier entry\r\n");
    const std::vector<std::string> expected = {
        std::string(kTextImageNotAccessible) + "\r\n",
        DriverMissingMessage() + "\r\n",
        "R: " + SystemText(ERROR_BUSY),
    };
    EXPECT_EQ(split.messages, expected) << *log;
    EXPECT_TRUE(watcher.Seen().empty());
}

TEST_F(ReportInLog, GoesBesideTheModuleWhateverTheCurrentDirectory) {
    ScratchFolder elsewhere;
    ASSERT_TRUE(elsewhere.IsReady());
    MessageBoxWatcher watcher;
    {
        CurrentDirectoryGuard directory;
        ASSERT_TRUE(SetCurrentDirectoryA(elsewhere.Path().c_str()));
        Report(ERROR_BUSY, "Q:", ReportContext::General);
    }

    EXPECT_TRUE(FileBytes(ActivityLogPath()));
    EXPECT_FALSE(FileBytes(elsewhere.Path() + "Morvane.log"));
}

TEST_F(ReportInLog, UnopenableLogLosesTheEntrySilently) {
    ASSERT_TRUE(WriteFileBytes(ActivityLogPath(), "earlier entry\r\n"));
    MessageBoxWatcher watcher;
    {
        // Held open without sharing, as a second writer would.
        const win32::FileHandle held(CreateFileA(ActivityLogPath().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(held);
        Report(ERROR_BUSY, "Q:", ReportContext::General);
    }
    EXPECT_EQ(FileBytes(ActivityLogPath()), "earlier entry\r\n");
    EXPECT_TRUE(watcher.Seen().empty()) << "no fallback to a message box";
}

// The log-on restore through the real plug-in, copied to a folder of its own:
// a record to restore on a letter in use is logged beside that copy, not
// beside the program that loaded it nor in the current directory.
TEST_F(ReportInLog, PluginLogsBesideItsOwnFileDuringTheLogOnRestore) {
    ScratchFolder pluginFolder;
    ScratchFolder current;
    ASSERT_TRUE(pluginFolder.IsReady() && current.IsReady());
    const std::string copy = pluginFolder.Path() + "Morvane.wfx64";
    ASSERT_TRUE(CopyFileTo(TestPluginPath(), copy));

    // A letter in use, and no letter at all: both failures are logged.
    for (const char letter : {'C', '\0'}) {
        const std::string name = letter ? "busy.iso" : "noletter.iso";
        ASSERT_TRUE(SaveNewRecord(MakeRecord({name, "C:\\busy.iso", letter, kModeCdDvd, true, true})));
    }

    MessageBoxWatcher watcher;
    {
        CurrentDirectoryGuard directory;
        ASSERT_TRUE(SetCurrentDirectoryA(current.Path().c_str()));
        LoadedPlugin plugin(copy);
        ASSERT_TRUE(plugin.IsLoaded()) << GetLastError();
        plugin.Fs().MountAfterReboot(nullptr, nullptr, nullptr, 0);
    }

    const auto log = FileBytes(pluginFolder.Path() + "Morvane.log");
    ASSERT_TRUE(log) << "no log beside the plug-in";
    const SplitLog split = Split(*log);
    EXPECT_EQ(split.before, "");
    const std::vector<std::string> expected = {"C: " + SystemText(ERROR_BUSY), "?: " + SystemText(ERROR_INVALID_DRIVE)};
    EXPECT_EQ(split.messages, expected) << *log;
    EXPECT_FALSE(FileBytes(ActivityLogPath()));
    EXPECT_FALSE(FileBytes(current.Path() + "Morvane.log"));
    EXPECT_TRUE(watcher.Seen().empty());
}

// A plug-in whose own path does not fit 260 characters still finds its own
// folder, and logs there, never in the current directory.
TEST_F(ReportInLog, PluginInAFolderDeeperThan260CharactersLogsBesideItself) {
    ScratchFolder base;
    ScratchFolder current;
    ASSERT_TRUE(base.IsReady() && current.IsReady());
    std::wstring folder = L"\\\\?\\" + std::wstring(base.Path().begin(), base.Path().end() - 1);
    std::vector<std::wstring> made;
    while (folder.size() < 300) {
        folder += L"\\" + std::wstring(40, L'd');
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr)) << GetLastError();
        made.push_back(folder);
    }
    const std::wstring copy = folder + L"\\Morvane.wfx64";
    const std::string source = TestPluginPath();
    ASSERT_TRUE(CopyFileW(std::wstring(source.begin(), source.end()).c_str(), copy.c_str(), FALSE));
    ASSERT_TRUE(SaveNewRecord(MakeRecord({"busy.iso", "C:\\busy.iso", 'C', kModeCdDvd, true, true})));

    MessageBoxWatcher watcher;
    {
        CurrentDirectoryGuard directory;
        ASSERT_TRUE(SetCurrentDirectoryA(current.Path().c_str()));
        const win32::Module plugin(LoadLibraryW(copy.c_str()));
        ASSERT_TRUE(plugin) << GetLastError();
        const PluginExports fs = mvhost::ResolvePluginCalls(plugin.Get());
        ASSERT_NE(fs.MountAfterReboot, nullptr);
        fs.MountAfterReboot(nullptr, nullptr, nullptr, 0);
    }

    EXPECT_FALSE(FileBytes(current.Path() + "Morvane.log"));
    EXPECT_FALSE(FileBytes(ActivityLogPath()));
    EXPECT_TRUE(watcher.Seen().empty());
    const std::wstring log = folder + L"\\Morvane.log";
    EXPECT_NE(GetFileAttributesW(log.c_str()), INVALID_FILE_ATTRIBUTES);
    DeleteFileW(log.c_str());
    DeleteFileW(copy.c_str());
    for (auto it = made.rbegin(); it != made.rend(); ++it) RemoveDirectoryW(it->c_str());
}
