// The file manager and the log-on restore share the registry without any
// coordination: while other processes add and delete images, the restore
// still deals with every record it finds marked mounted, no record is ever
// damaged, and the last write wins.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <thread>

#include "catalogue/RecordOfValue.h"
#include "harness/ActivityLogFile.h"
#include "harness/Plugin.h"
#include "harness/ScratchImage.h"
#include "harness/StoredRecords.h"
#include "support/CleanRegistry.h"
#include "support/ProgramApp.h"
#include "support/Rundll32.h"

using namespace morvane;
using namespace morvane::test;

namespace {

constexpr int kMountedRecords = 150;
constexpr int kChurnImages = 500;

std::string Name(char kind, int i) {
    char name[16];
    std::snprintf(name, sizeof name, "%c%03d.iso", kind, i);
    return name;
}

// As left at shutdown: mounted, so the restore must correct every one. Half
// are to be restored, but their images are gone: the failed mount is logged.
CFileInfo LeftMounted(int i) {
    return MakeRecord({Name('m', i), "C:\\no-such-folder\\" + Name('m', i), 'Q', 3, true, i % 2 == 0});
}

CFileInfo Unmarked(CFileInfo record) {
    record.mounted = 0;
    return record;
}

bool Same(const CFileInfo& a, const CFileInfo& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// A file manager at work on a thread of its own: copies images into the
// folder (over the earlier copy of the name, if any) and deletes every other
// one again, each step reading the whole store, until told to stop.
class Churn {
public:
    using Put = bool (*)(void* plugin, const std::string& local, const std::string& remote);
    using Delete = bool (*)(void* plugin, const std::string& remote);

    Churn(char kind, const std::string& local, void* plugin, Put put, Delete remove)
        : worker_([=] {
              for (int i = 0; !stop_; ++i) {
                  const std::string remote = "\\" + Name(kind, i % kChurnImages);
                  if (!put(plugin, local, remote)) ++failures_;
                  if (i % 2 == 1 && !remove(plugin, remote)) ++failures_;
                  ++steps_;
              }
          }) {}
    ~Churn() { Stop(); }

    int Steps() const { return steps_; }
    // Copies or deletes that the plug-in answered as failed.
    int Failures() const { return failures_; }
    void Stop() {
        stop_ = true;
        if (worker_.joinable()) worker_.join();
    }

private:
    std::atomic<bool> stop_{false};
    std::atomic<int> steps_{0};
    std::atomic<int> failures_{0};
    std::thread worker_;
};

class TwoProcesses : public CleanRegistryTest {
protected:
    void SetUp() override {
        CleanRegistryTest::SetUp();
        ASSERT_TRUE(plugin_.IsLoaded());
    }

    FreshActivityLog log_;
    LoadedPlugin plugin_;
};

bool PutThroughExports(void* plugin, const std::string& local, const std::string& remote) {
    std::string l = local, r = remote;
    return static_cast<LoadedPlugin*>(plugin)->Fs().FsPutFile(l.data(), r.data(), 1) == 0;
}
bool DeleteThroughExports(void* plugin, const std::string& remote) {
    std::string r = remote;
    return static_cast<LoadedPlugin*>(plugin)->Fs().FsDeleteFile(r.data()) != FALSE;
}
bool PutThroughCore(void*, const std::string& local, const std::string& remote) {
    ProgramApp().RefreshCatalogue();
    return ProgramApp().AddImage(win32::WideText(local), win32::WideText(remote)) == AddResult::Added;
}
bool DeleteThroughCore(void*, const std::string& remote) {
    ProgramApp().RefreshCatalogue();
    return ProgramApp().RemoveImage(win32::WideText(remote)) == kRemoveDone;
}

}  // namespace

TEST_F(TwoProcesses, LogonRestoreMissesNoRecordWhileOthersAddAndDelete) {
    for (int i = 0; i < kMountedRecords; ++i) ASSERT_EQ(StoreRecord(Name('m', i), LeftMounted(i)), ERROR_SUCCESS);
    ScratchImage image("churn.iso");
    ASSERT_TRUE(image.IsReady());
    plugin_.Fs().FsInit(1, nullptr, nullptr, nullptr);

    // Two file managers, the loaded plug-in and the test's own core, both
    // under way before the restore starts and until it has ended.
    Churn viaExports('a', image.Path(), &plugin_, PutThroughExports, DeleteThroughExports);
    Churn viaCore('b', image.Path(), nullptr, PutThroughCore, DeleteThroughCore);
    while (viaExports.Steps() < 10 || viaCore.Steps() < 10) Sleep(1);
    const ChildRun run = RunLogonRestore();
    viaExports.Stop();
    viaCore.Stop();
    ASSERT_TRUE(run.finished);
    EXPECT_TRUE(run.dialogs.empty());
    EXPECT_EQ(viaExports.Failures(), 0) << "a copy or delete of an image that exists failed";
    EXPECT_EQ(viaCore.Failures(), 0);

    for (const StoredValue& value : StoredValues()) {
        SCOPED_TRACE(value.name);
        ASSERT_EQ(value.data.size(), sizeof(CFileInfo));
        const std::optional<CFileInfo> stored = RecordOfValue(value.type, value.data.data(), value.data.size());
        ASSERT_TRUE(stored);
        const CFileInfo& record = *stored;
        EXPECT_EQ(DisplayNameOf(record), value.name);
        if (value.name[0] != 'm') continue;
        int index = 0;
        ASSERT_EQ(std::sscanf(value.name.c_str() + 1, "%d", &index), 1);
        EXPECT_TRUE(Same(record, Unmarked(LeftMounted(index)))) << "not dealt with by the restore";
    }
}

TEST_F(TwoProcesses, LastWriteWins) {
    ASSERT_EQ(StoreRecord(Name('m', 1), LeftMounted(1)), ERROR_SUCCESS);
    // The restore writes last: its correction stands.
    ASSERT_TRUE(RunLogonRestore().finished);
    const auto restored = ReadRecord(Name('m', 1));
    ASSERT_TRUE(restored);
    EXPECT_TRUE(Same(*restored, Unmarked(LeftMounted(1))));
    // The file manager writes last: its record stands.
    CFileInfo changed = LeftMounted(1);
    changed.driveLetter = 'R';
    ASSERT_TRUE(SaveNewRecord(changed));
    const auto saved = ReadRecord(Name('m', 1));
    ASSERT_TRUE(saved);
    EXPECT_TRUE(Same(*saved, changed));
}
