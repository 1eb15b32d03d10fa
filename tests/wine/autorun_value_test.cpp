// The log-on entry in the Run key: written once the catalogue exists, kept
// when it is a readable string (whatever path it names), rewritten otherwise.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "harness/ActivityLogFile.h"
#include "harness/ChildProcess.h"
#include "harness/Plugin.h"
#include "harness/StoredRecords.h"
#include "logon/AutorunCommand.h"
#include "support/CleanRegistry.h"
#include "support/Rundll32.h"
#include "win32/RegKey.h"

using namespace morvane;
using namespace morvane::test;

namespace {

struct RunValue {
    bool exists = false;
    DWORD type = 0;
    std::vector<uint8_t> data;
};

RunValue ReadRunValue() {
    RunValue value;
    win32::RegKey run;
    if (run.Open(HKEY_CURRENT_USER, kRunKey, KEY_READ) != ERROR_SUCCESS) return value;
    value.data.assign(1024, 0xCC);
    DWORD size = static_cast<DWORD>(value.data.size());
    if (run.QueryValue("MorvaneAutomount", &value.type, value.data.data(), &size) != ERROR_SUCCESS) return value;
    value.exists = true;
    value.data.resize(size);
    return value;
}

LONG WriteRunValue(DWORD type, const void* data, DWORD size) {
    win32::RegKey run;
    const LONG rc = run.Open(HKEY_CURRENT_USER, kRunKey, KEY_WRITE);
    if (rc != ERROR_SUCCESS) return rc;
    return run.SetValue("MorvaneAutomount", type, data, size);
}

std::vector<uint8_t> Bytes(const std::string& text) { return std::vector<uint8_t>(text.begin(), text.end()); }

// The command line as the log-on starter needs it, with its terminator.
std::vector<uint8_t> ExpectedCommand() {
    std::vector<uint8_t> bytes = Bytes(LogonCommandLine(TestPluginPath()));
    bytes.push_back(0);
    return bytes;
}

class AutorunValue : public CleanRegistryTest {
protected:
    void SetUp() override {
        CleanRegistryTest::SetUp();
        ASSERT_TRUE(plugin_.IsLoaded()) << "error " << GetLastError();
    }

    // A listing, which begins with a refresh.
    void List() {
        WIN32_FIND_DATAA fd;
        char root[] = "\\";
        HANDLE find = plugin_.Fs().FsFindFirst(root, &fd);
        if (find != INVALID_HANDLE_VALUE) plugin_.Fs().FsFindClose(find);
    }

    LoadedPlugin plugin_;
};

}  // namespace

TEST_F(AutorunValue, WrittenOnlyOnceTheCatalogueExists) {
    plugin_.Fs().FsInit(1, nullptr, nullptr, nullptr);
    List();
    EXPECT_FALSE(ReadRunValue().exists) << "no image was ever added";

    ASSERT_EQ(StoreRecord({"disk.iso", "C:\\disk.iso", 'Z', 3, false, false}), ERROR_SUCCESS);
    List();
    const RunValue value = ReadRunValue();
    ASSERT_TRUE(value.exists);
    EXPECT_EQ(value.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(value.data, ExpectedCommand());
}

TEST_F(AutorunValue, AnEmptyStoreKeyIsEnough) {
    win32::RegKey key;
    ASSERT_EQ(key.Create(HKEY_CURRENT_USER, "Software\\Tarnwell Incorporation\\Morvane\\FilesList", KEY_WRITE),
              ERROR_SUCCESS);
    key.Close();
    plugin_.Fs().FsInit(1, nullptr, nullptr, nullptr);
    EXPECT_EQ(ReadRunValue().data, ExpectedCommand());
}

TEST_F(AutorunValue, RestoredAfterBeingDeletedByHand) {
    ASSERT_EQ(StoreRecord({"disk.iso", "C:\\disk.iso", 'Z', 3, false, false}), ERROR_SUCCESS);
    plugin_.Fs().FsInit(1, nullptr, nullptr, nullptr);
    ASSERT_TRUE(ReadRunValue().exists);

    ASSERT_EQ(RegDeleteKeyValueA(HKEY_CURRENT_USER, kRunKey, "MorvaneAutomount"), ERROR_SUCCESS);
    List();
    EXPECT_EQ(ReadRunValue().data, ExpectedCommand());
}

TEST_F(AutorunValue, KeptWhenReadableAsStringRewrittenOtherwise) {
    const std::string otherPath = "rundll32 \"D:\\Old place\\Morvane.wfx64\",MountAfterReboot";
    std::string otherWithZero = otherPath;
    otherWithZero.push_back('\0');
    const std::string long300(299, 'x');
    const DWORD number = 1;
    struct Case {
        const char* what;
        DWORD type;
        std::string data;
        bool kept;
        // Bytes written, when fewer than the data's (a string stored without
        // its terminator needs a non-zero byte after it, or the registry
        // counts the terminator in).
        size_t written = std::string::npos;
    };
    const std::vector<Case> cases = {
        {"string naming another path", REG_SZ, otherWithZero, true},
        {"expandable string", REG_EXPAND_SZ, otherWithZero, true},
        {"multi-string with both terminators", REG_MULTI_SZ, std::string("a\0\0", 3), true},
        {"multi-string of one zero byte", REG_MULTI_SZ, std::string("\0", 1), true},
        {"empty number", REG_DWORD, std::string(), true},
        {"empty binary", REG_BINARY, std::string(), true},
        {"number", REG_DWORD, std::string(reinterpret_cast<const char*>(&number), sizeof number), false},
        {"binary", REG_BINARY, std::string("ab\0", 3), false},
        {"string without terminator", REG_SZ, otherPath + "!", false, otherPath.size()},
        {"multi-string with one terminator", REG_MULTI_SZ, std::string("ab\0", 3), false},
        {"string longer than 260 bytes, as a plug-in in a deep folder writes", REG_SZ, long300 + std::string(1, '\0'),
         true},
    };
    ASSERT_EQ(StoreRecord({"disk.iso", "C:\\disk.iso", 'Z', 3, false, false}), ERROR_SUCCESS);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const size_t size = std::min(c.written, c.data.size());
        ASSERT_EQ(WriteRunValue(c.type, c.data.data(), static_cast<DWORD>(size)), ERROR_SUCCESS);
        const RunValue before = ReadRunValue();
        ASSERT_EQ(before.data.size(), size) << "the registry changed the value on its own";
        List();
        const RunValue after = ReadRunValue();
        ASSERT_TRUE(after.exists);
        if (c.kept) {
            EXPECT_EQ(after.type, before.type);
            EXPECT_EQ(after.data, before.data);
        } else {
            EXPECT_EQ(after.type, static_cast<DWORD>(REG_SZ));
            EXPECT_EQ(after.data, ExpectedCommand());
        }
    }
}

TEST_F(AutorunValue, CommandLineStartsTheRestore) {
    // What the Run value says is what the log-on starter runs: running it
    // must reach the plug-in (the restore corrects a stale mounted mark).
    ASSERT_EQ(StoreRecord({"disk.iso", "C:\\disk.iso", 'Q', 3, true, false}), ERROR_SUCCESS);
    plugin_.Fs().FsInit(1, nullptr, nullptr, nullptr);
    const RunValue value = ReadRunValue();
    ASSERT_TRUE(value.exists);
    const std::string command(value.data.begin(), value.data.end() - 1);
    const FreshActivityLog log;
    ChildProcess process(command);
    const ChildRun run = process.Wait();
    ASSERT_TRUE(run.started) << "error " << run.startError;
    EXPECT_TRUE(run.finished);
    const auto record = ReadRecord("disk.iso");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->mounted, 0);
}
