// Deleting the entry of a mounted image: the question, then the unmount
// through the stand-in driver, or nothing at all on No.
#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "catalogue/StoreKey.h"
#include "harness/DriveLetters.h"
#include "harness/Plugin.h"
#include "harness/ScratchImage.h"
#include "harness/StandInDriver.h"
#include "harness/StoredRecords.h"
#include "support/DriverRequestRecorder.h"
#include "support/MessageBoxWatcher.h"
#include "support/ProgramApp.h"
#include "support/StandInFixture.h"

using namespace morvane;
using namespace morvane::test;

namespace {

class RemoveMountedImage : public StandInTest {
protected:
    void SetUp() override {
        StandInTest::SetUp();
        ASSERT_TRUE(image_.IsReady());
        // Mounted as the properties dialog would mount it.
        CFileInfo record = MakeRecord({"Disk.iso", image_.Path(), letter_, 3, false, true});
        ASSERT_TRUE(SaveNewRecord(record));
        ASSERT_TRUE(MountRecord(record, "Disk.iso"));
        ASSERT_TRUE(DriveListed(letter_));
        const auto mounted = ReadRecord("Disk.iso");
        ASSERT_TRUE(mounted);
        ASSERT_EQ(mounted->mounted, 1);
        mounted_ = *mounted;
    }

    // Deletes `name` through a freshly loaded plug-in whose dismounts answer
    // as on Windows, answering its boxes with `answers`; the boxes it showed.
    std::vector<SeenMessageBox> DeleteThroughPlugin(const std::string& name, std::initializer_list<int> answers,
                                                    bool removed) {
        LoadedPlugin plugin;
        EXPECT_TRUE(plugin.IsLoaded());
        if (!plugin.IsLoaded()) return {};
        DriverRequestRecorder recorder(plugin.Handle());
        EXPECT_TRUE(recorder.IsActive()) << recorder.Why();
        plugin.Fs().FsInit(1, nullptr, nullptr, nullptr);
        MessageBoxWatcher watcher(answers);
        std::string remote = name;
        EXPECT_EQ(plugin.Fs().FsDeleteFile(remote.data()) != FALSE, removed);
        return watcher.Seen();
    }

    static MvStandInState Device() {
        MvStandInState state;
        EXPECT_TRUE(ReadStandInState(kFamilyCdDvd, 0, &state));
        return state;
    }

    ScratchImage image_{"Disk.iso"};
    CFileInfo mounted_{};
};

}  // namespace

TEST_F(RemoveMountedImage, YesUnmountsThroughTheDriverAndRemovesTheValue) {
    const auto seen = DeleteThroughPlugin("\\disk.ISO", {IDYES}, true);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_NE(seen[0].text.find(image_.Path()), std::string::npos) << seen[0].text;
    EXPECT_NE(seen[0].text.find(std::string(" ") + letter_ + ":"), std::string::npos) << seen[0].text;
    EXPECT_EQ(seen[0].icon, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_TRUE(seen[0].hasYes && seen[0].hasNo);

    EXPECT_FALSE(DriveListed(letter_));
    const MvStandInState state = Device();
    EXPECT_EQ(state.attached, 0);
    EXPECT_EQ(state.detachRequests, 1u);
    EXPECT_TRUE(StoredValues().empty());
    EXPECT_TRUE(image_.Exists());
}

TEST_F(RemoveMountedImage, NoKeepsDriveRecordAndEntry) {
    LoadedPlugin plugin;
    ASSERT_TRUE(plugin.IsLoaded());
    plugin.Fs().FsInit(1, nullptr, nullptr, nullptr);

    MessageBoxWatcher watcher({IDNO});
    char name[] = "\\Disk.iso";
    EXPECT_FALSE(plugin.Fs().FsDeleteFile(name));
    EXPECT_EQ(watcher.Seen().size(), 1u);

    EXPECT_TRUE(DriveListed(letter_));
    const MvStandInState state = Device();
    EXPECT_EQ(state.attached, 1);
    EXPECT_EQ(state.detachRequests, 0u);
    const auto after = ReadRecord("Disk.iso");
    ASSERT_TRUE(after);
    EXPECT_EQ(std::memcmp(&*after, &mounted_, sizeof mounted_), 0);

    // Still listed.
    WIN32_FIND_DATAA fd;
    char root[] = "\\";
    HANDLE find = plugin.Fs().FsFindFirst(root, &fd);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    EXPECT_STREQ(fd.cFileName, "Disk.iso");
    plugin.Fs().FsFindClose(find);
}

TEST_F(RemoveMountedImage, YesClearsTheDriveTableEntry) {
    RecordCoreRequests();
    CMorvaneApp& app = ProgramApp();
    app.RefreshCatalogue();
    ASSERT_EQ(app.DriveName(letter_), L"Disk.iso");

    MessageBoxWatcher watcher({IDYES});
    EXPECT_EQ(app.RemoveImage(L"\\disk.iso"), kRemoveDone);
    EXPECT_EQ(app.DriveName(letter_), L"");
    StoredImage image;
    EXPECT_FALSE(app.FindImage(L"\\disk.iso", image));
    EXPECT_FALSE(DriveListed(letter_));
}

TEST_F(RemoveMountedImage, UnmountWritesBackToTheValueThatWasDeleted) {
    // Mounted under the value evil.iso, with a name field naming good1.iso.
    const CFileInfo good = MakeRecord({"good1.iso", "C:\\good1.iso", 'Z', 3, false, false});
    ASSERT_EQ(StoreRecord("good1.iso", good), ERROR_SUCCESS);
    CFileInfo evil = mounted_;
    SetFieldText(evil.findData.cFileName, "good1.iso");
    ASSERT_EQ(StoreRecord("evil.iso", evil), ERROR_SUCCESS);
    ASSERT_EQ(RegDeleteKeyValueA(HKEY_CURRENT_USER, kFilesListKey, "Disk.iso"), ERROR_SUCCESS);

    DeleteThroughPlugin("\\evil.iso", {IDYES}, true);
    EXPECT_FALSE(DriveListed(letter_));
    const auto values = StoredValues();
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values[0].name, "good1.iso");
    EXPECT_EQ(std::memcmp(values[0].data.data(), &good, sizeof good), 0);
}
