// Failure reports during the unattended log-on restore: appended, with a
// local time stamp, to Morvane.log beside the plug-in's own file.
#include <gtest/gtest.h>
#include <windows.h>

#include <ctime>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "drive/LogEntry.h"
#include "drive/TimeStamp.h"
#include "plugin/MorvaneApp.h"
#include "support/CleanRegistry.h"
#include "support/DriveFixture.h"
#include "support/DriveTexts.h"
#include "support/MessageBoxWatcher.h"
#include "support/Plugin.h"
#include "win32/UniqueHandle.h"

using namespace morvane;
using namespace morvane::test;

namespace {

std::string LogBesideTestProgram() { return TestProgramDirectory() + "Morvane.log"; }

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    const win32::FileHandle file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file && WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

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

// A fresh directory under the temporary folder, removed with what it holds.
class TempDirectory {
public:
    TempDirectory() {
        char base[MAX_PATH] = {};
        const DWORD length = GetTempPathA(MAX_PATH, base);
        if (length == 0 || length >= MAX_PATH) return;
        static unsigned counter = 0;
        path_ = std::string(base, length) + "mvlog-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(++counter) + "\\";
        if (!CreateDirectoryA(path_.c_str(), nullptr)) path_.clear();
    }
    ~TempDirectory() {
        if (path_.empty()) return;
        WIN32_FIND_DATAA found;
        win32::FindHandle search(FindFirstFileA((path_ + "*").c_str(), &found));
        if (search) {
            do {
                DeleteFileA((path_ + found.cFileName).c_str());
            } while (FindNextFileA(search.Get(), &found));
        }
        search.Reset();
        RemoveDirectoryA(path_.c_str());
    }
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;

    bool IsCreated() const { return !path_.empty(); }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

class ReportInLog : public CleanRegistryTest {
protected:
    void SetUp() override {
        CleanRegistryTest::SetUp();
        ASSERT_TRUE(UseBuiltinTexts());
        DeleteFileA(LogBesideTestProgram().c_str());
        App().m_bLogOnly = true;
    }
    void TearDown() override {
        App().m_bLogOnly = false;
        DeleteFileA(LogBesideTestProgram().c_str());
        CleanRegistryTest::TearDown();
    }

    static void Report(DWORD error, const char* text, ReportContext context) {
        SetLastError(error);
        App().ReportDriveError(text, context);
    }
};

}  // namespace

TEST_F(ReportInLog, EntryIsTimeStampTabMessageAndNoBoxIsShown) {
    MessageBoxWatcher watcher;
    const std::time_t before = std::time(nullptr);
    Report(ERROR_BUSY, "Q:", ReportContext::General);
    const std::time_t after = std::time(nullptr);

    const auto log = FileBytes(LogBesideTestProgram());
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
    ASSERT_TRUE(WriteWholeFile(LogBesideTestProgram(), "earlier entry\r\n"));
    MessageBoxWatcher watcher;
    Report(ERROR_FILE_NOT_FOUND, "MV_FileDisk:", ReportContext::AttachImage);
    Report(ERROR_PATH_NOT_FOUND, "Q:", ReportContext::CreateDevice);
    Report(ERROR_BUSY, "R:", ReportContext::General);

    const auto log = FileBytes(LogBesideTestProgram());
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
    TempDirectory elsewhere;
    ASSERT_TRUE(elsewhere.IsCreated());
    char previous[MAX_PATH] = {};
    ASSERT_NE(GetCurrentDirectoryA(MAX_PATH, previous), 0u);
    ASSERT_TRUE(SetCurrentDirectoryA(elsewhere.Path().c_str()));
    MessageBoxWatcher watcher;
    Report(ERROR_BUSY, "Q:", ReportContext::General);
    SetCurrentDirectoryA(previous);

    EXPECT_TRUE(FileBytes(LogBesideTestProgram()));
    EXPECT_FALSE(FileBytes(elsewhere.Path() + "Morvane.log"));
}

TEST_F(ReportInLog, UnopenableLogLosesTheEntrySilently) {
    ASSERT_TRUE(WriteWholeFile(LogBesideTestProgram(), "earlier entry\r\n"));
    MessageBoxWatcher watcher;
    {
        // Held open without sharing, as a second writer would.
        const win32::FileHandle held(CreateFileA(LogBesideTestProgram().c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(held);
        Report(ERROR_BUSY, "Q:", ReportContext::General);
    }
    EXPECT_EQ(FileBytes(LogBesideTestProgram()), "earlier entry\r\n");
    EXPECT_TRUE(watcher.Seen().empty()) << "no fallback to a message box";
}

// The log-on restore through the real plug-in, copied to a folder of its own:
// a record to restore on a letter in use is logged beside that copy, not
// beside the program that loaded it nor in the current directory.
TEST_F(ReportInLog, PluginLogsBesideItsOwnFileDuringTheLogOnRestore) {
    App().m_bLogOnly = false;
    TempDirectory pluginFolder;
    TempDirectory current;
    ASSERT_TRUE(pluginFolder.IsCreated() && current.IsCreated());
    const std::string copy = pluginFolder.Path() + "Morvane.wfx64";
    ASSERT_TRUE(CopyFileA((TestProgramDirectory() + "Morvane.wfx64").c_str(), copy.c_str(), FALSE));

    // A letter in use, and no letter at all: both failures are logged.
    for (const char letter : {'C', '\0'}) {
        CFileInfo record = ImageRecord(letter ? "busy.iso" : "noletter.iso", "C:\\busy.iso", letter, kModeCdDvd);
        record.mounted = 1;
        record.restoreAtLogon = 1;
        ASSERT_TRUE(App().SaveNewFileInfo(record));
    }

    char previous[MAX_PATH] = {};
    ASSERT_NE(GetCurrentDirectoryA(MAX_PATH, previous), 0u);
    ASSERT_TRUE(SetCurrentDirectoryA(current.Path().c_str()));
    MessageBoxWatcher watcher;
    {
        LoadedPlugin plugin(copy);
        ASSERT_TRUE(plugin.IsLoaded()) << GetLastError();
        plugin.Fs().MountAfterReboot(nullptr, nullptr, nullptr, 0);
    }
    SetCurrentDirectoryA(previous);

    const auto log = FileBytes(pluginFolder.Path() + "Morvane.log");
    ASSERT_TRUE(log) << "no log beside the plug-in";
    const SplitLog split = Split(*log);
    EXPECT_EQ(split.before, "");
    const std::vector<std::string> expected = {"C: " + SystemText(ERROR_BUSY), "?: " + SystemText(ERROR_INVALID_DRIVE)};
    EXPECT_EQ(split.messages, expected) << *log;
    EXPECT_FALSE(FileBytes(LogBesideTestProgram()));
    EXPECT_FALSE(FileBytes(current.Path() + "Morvane.log"));
    EXPECT_TRUE(watcher.Seen().empty());
}

// A plug-in whose own path does not fit 260 characters cannot tell where its
// folder is: it writes no log at all rather than one in the current directory.
TEST_F(ReportInLog, PluginThatCannotFindItsOwnFolderWritesNoLog) {
    App().m_bLogOnly = false;
    TempDirectory base;
    TempDirectory current;
    ASSERT_TRUE(base.IsCreated() && current.IsCreated());
    std::wstring folder = L"\\\\?\\" + std::wstring(base.Path().begin(), base.Path().end() - 1);
    std::vector<std::wstring> made;
    while (folder.size() < 300) {
        folder += L"\\" + std::wstring(40, L'd');
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr)) << GetLastError();
        made.push_back(folder);
    }
    const std::wstring copy = folder + L"\\Morvane.wfx64";
    const std::string source = TestProgramDirectory() + "Morvane.wfx64";
    ASSERT_TRUE(CopyFileW(std::wstring(source.begin(), source.end()).c_str(), copy.c_str(), FALSE));

    CFileInfo record = ImageRecord("busy.iso", "C:\\busy.iso", 'C', kModeCdDvd);
    record.mounted = 1;
    record.restoreAtLogon = 1;
    ASSERT_TRUE(App().SaveNewFileInfo(record));

    char previous[MAX_PATH] = {};
    ASSERT_NE(GetCurrentDirectoryA(MAX_PATH, previous), 0u);
    ASSERT_TRUE(SetCurrentDirectoryA(current.Path().c_str()));
    MessageBoxWatcher watcher;
    {
        const win32::Module plugin(LoadLibraryW(copy.c_str()));
        ASSERT_TRUE(plugin) << GetLastError();
        const PluginExports fs = mvhost::ResolvePluginCalls(plugin.Get());
        ASSERT_NE(fs.MountAfterReboot, nullptr);
        fs.MountAfterReboot(nullptr, nullptr, nullptr, 0);
    }
    SetCurrentDirectoryA(previous);

    EXPECT_FALSE(FileBytes(current.Path() + "Morvane.log"));
    EXPECT_FALSE(FileBytes(LogBesideTestProgram()));
    EXPECT_TRUE(watcher.Seen().empty());
    DeleteFileW(copy.c_str());
    for (auto it = made.rbegin(); it != made.rend(); ++it) RemoveDirectoryW(it->c_str());
}
