// The file manager and the log-on restore share the registry without any
// coordination: whatever the interleaving, no process crashes, every value
// stays a whole record of one writer, and the last write wins.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "plugin/MorvaneApp.h"
#include "support/CleanRegistry.h"
#include "support/Plugin.h"
#include "support/Rundll32.h"
#include "support/StoredRecords.h"

using namespace morvane;
using namespace morvane::test;

namespace {

constexpr int kMountedRecords = 120;
constexpr int kPlainRecords = 20;
constexpr int kRounds = 4;

std::string Name(char kind, int i) {
    char name[16];
    std::snprintf(name, sizeof name, "%c%03d.iso", kind, i);
    return name;
}

// As left at shutdown: mounted, so the restore rewrites it. Every other one
// is to be restored, but its image is gone: the failed mount is logged, which
// keeps the restore busy for longer.
CFileInfo LeftMounted(int i) {
    return MakeRecord({Name('m', i), "C:\\no-such-folder\\" + Name('m', i), 'Q', 3, true, i % 2 == 0});
}
// As the file manager changes it meanwhile: another letter and mode.
CFileInfo ChangedByHost(int i) {
    CFileInfo record = LeftMounted(i);
    record.driveLetter = 'R';
    record.mountMode = 1;
    return record;
}
CFileInfo Plain(int i) { return MakeRecord({Name('u', i), "C:\\images\\" + Name('u', i), 'Z', 3, false, false}); }

CFileInfo Unmarked(CFileInfo record) {
    record.mounted = 0;
    return record;
}

// The first record the restore meets is marked mounted; it is unmarked once
// the restore has dealt with it.
bool RestoreHasBegun() {
    CFileInfo first;
    return ReadRecord(Name('m', 0), first) && first.mounted == 0;
}

bool Same(const CFileInfo& a, const CFileInfo& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

class TwoProcesses : public CleanRegistryTest {
protected:
    void SetUp() override {
        CleanRegistryTest::SetUp();
        DeleteLogonLog();
        ASSERT_TRUE(plugin_.IsLoaded());
    }
    void TearDown() override {
        DeleteLogonLog();
        CleanRegistryTest::TearDown();
    }

    void ListAll() {
        WIN32_FIND_DATAA fd;
        char root[] = "\\";
        HANDLE find = plugin_.Fs().FsFindFirst(root, &fd);
        if (find == INVALID_HANDLE_VALUE) return;
        while (plugin_.Fs().FsFindNext(find, &fd)) {
        }
        plugin_.Fs().FsFindClose(find);
    }

    LoadedPlugin plugin_;
};

}  // namespace

TEST_F(TwoProcesses, HostAndLogonRestoreNeverDamageARecord) {
    plugin_.Fs().FsInit(1, nullptr, nullptr, nullptr);
    int overlappingSteps = 0;
    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        for (int i = 0; i < kMountedRecords; ++i) ASSERT_EQ(StoreRecord(Name('m', i), LeftMounted(i)), ERROR_SUCCESS);
        for (int i = 0; i < kPlainRecords; ++i) ASSERT_EQ(StoreRecord(Name('u', i), Plain(i)), ERROR_SUCCESS);

        LogonProcess logon(LogonCommandLine(TestPluginPath()));
        ASSERT_TRUE(logon.Started());
        // Starting rundll32 takes longer than the restore itself: begin once
        // the restore has corrected its first record.
        const DWORD start = GetTickCount();
        while (logon.Running() && !RestoreHasBegun() && GetTickCount() - start < 15000) Sleep(1);
        // The file manager's side: list, change mounted records ahead of the
        // restore, delete and add plain ones, for as long as the restore runs.
        int step = 0;
        while (logon.Running() && GetTickCount() - start < 15000) {
            ListAll();
            const int m = kMountedRecords - 1 - step % kMountedRecords;
            const int u = step % kPlainRecords;
            App().SaveFileInfo(ChangedByHost(m));
            std::string remote = "\\" + Name('u', u);
            plugin_.Fs().FsDeleteFile(remote.data());
            App().SaveFileInfo(Plain(u));
            if (logon.Running()) ++overlappingSteps;
            ++step;
        }
        const LogonRunResult run = logon.Wait();
        ASSERT_TRUE(run.finished);
        EXPECT_EQ(run.exitCode, 0u);
        EXPECT_TRUE(run.dialogs.empty());

        const auto values = StoredValues();
        EXPECT_EQ(values.size(), static_cast<size_t>(kMountedRecords + kPlainRecords));
        for (const StoredValue& value : values) {
            SCOPED_TRACE(value.name);
            ASSERT_EQ(value.type, static_cast<DWORD>(REG_BINARY));
            ASSERT_EQ(value.data.size(), sizeof(CFileInfo));
            CFileInfo record;
            std::memcpy(&record, value.data.data(), sizeof record);
            EXPECT_EQ(DisplayNameOf(record), value.name);
            int index = 0;
            ASSERT_EQ(std::sscanf(value.name.c_str() + 1, "%d", &index), 1);
            if (value.name[0] == 'u') {
                EXPECT_TRUE(Same(record, Plain(index)));
            } else {
                const CFileInfo left = LeftMounted(index);
                const CFileInfo changed = ChangedByHost(index);
                EXPECT_TRUE(Same(record, left) || Same(record, Unmarked(left)) || Same(record, changed) ||
                            Same(record, Unmarked(changed)));
            }
        }
    }
    EXPECT_GT(overlappingSteps, 0) << "the two processes never ran at once";
}

TEST_F(TwoProcesses, LastWriteWins) {
    ASSERT_EQ(StoreRecord(Name('m', 1), LeftMounted(1)), ERROR_SUCCESS);
    // The restore writes last: its correction stands.
    ASSERT_TRUE(RunLogonRestore().finished);
    CFileInfo record;
    ASSERT_TRUE(ReadRecord(Name('m', 1), record));
    EXPECT_TRUE(Same(record, Unmarked(LeftMounted(1))));
    // The file manager writes last: its record stands.
    ASSERT_TRUE(App().SaveFileInfo(ChangedByHost(1)));
    ASSERT_TRUE(ReadRecord(Name('m', 1), record));
    EXPECT_TRUE(Same(record, ChangedByHost(1)));
}
