// Unmounting while files on the drive are open: the volume lock is refused
// (Wine grants every lock itself, so the recorder refuses it as Windows
// would), and the user decides whether to dismount by force.
#include <windows.h>
#include <gtest/gtest.h>
#include <winioctl.h>

#include <memory>
#include <string>
#include <vector>

#include "driver/DriverProtocol.h"
#include "harness/DriveLetters.h"
#include "harness/Plugin.h"
#include "harness/ScratchImage.h"
#include "harness/StandInDriver.h"
#include "harness/StoredRecords.h"
#include "support/ExpectedTexts.h"
#include "support/MessageBoxWatcher.h"
#include "support/ProgramApp.h"
#include "support/StandInFixture.h"

using namespace morvane;
using namespace morvane::test;

namespace {

class OpenFiles : public StandInTest {
protected:
    void SetUp() override {
        StandInTest::SetUp();
        RecordCoreRequests();
    }

    // Stores and mounts an image on the test's letter.
    void Mount(uint32_t mode, const std::string& name = "open.img") {
        image_ = std::make_unique<ScratchImage>(name);
        ASSERT_TRUE(image_->IsReady());
        record_ = MakeRecord({name, image_->Path(), letter_, mode});
        ASSERT_TRUE(SaveNewRecord(record_));
        ASSERT_TRUE(MountRecord(record_, DisplayNameOf(record_)));
        ASSERT_TRUE(ProgramApp().RefreshCatalogue());
        ASSERT_EQ(DriveNameOf(record_.driveLetter), name);
        recorder_->Clear();
    }

    void ExpectQuestion(const SeenMessageBox& box, uint32_t mode, const std::string& caption) {
        const bool writable = mode == 0 || mode == 4;
        EXPECT_EQ(box.text, writable ? std::string(kTextOpenFiles) + "\n" + kTextDataLoss : kTextOpenFiles);
        EXPECT_EQ(box.caption, caption);
        EXPECT_TRUE(box.hasYes && box.hasNo);
        EXPECT_FALSE(box.hasOk || box.hasCancel);
        EXPECT_EQ(box.defaultButton, IDNO) << "a forced dismount can lose data";
        EXPECT_EQ(box.icon, static_cast<UINT>(MB_ICONEXCLAMATION));
    }

    std::unique_ptr<ScratchImage> image_;
    CFileInfo record_{};
};

}  // namespace

TEST_F(OpenFiles, NoLeavesDriveRecordAndDriveTableAsTheyWere) {
    const uint32_t modes[] = {0, 1, 3, 4, 5};
    for (uint32_t mode : modes) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        Mount(mode);
        const char letter = record_.driveLetter;
        const int family = FamilyOfMode(mode);
        recorder_->FailLocks(ERROR_ACCESS_DENIED);
        {
            MessageBoxWatcher watcher({IDNO});
            EXPECT_FALSE(UnmountRecord(record_, DisplayNameOf(record_)));
            const auto seen = watcher.Seen();
            ASSERT_EQ(seen.size(), 1u);
            ExpectQuestion(seen[0], mode, kTestProgramCaption);
        }
        EXPECT_EQ(recorder_->ControlCodes(), (std::vector<DWORD>{MV_IOCTL_QUERY_IMAGE, FSCTL_LOCK_VOLUME}));
        EXPECT_EQ(record_.mounted, 1);
        EXPECT_TRUE(DriveListed(letter));
        EXPECT_EQ(DriveNameOf(letter), DisplayNameOf(record_));
        const auto stored = ReadRecord(DisplayNameOf(record_));
        ASSERT_TRUE(stored);
        EXPECT_EQ(stored->mounted, 1);
        MvStandInState state;
        ASSERT_TRUE(ReadStandInState(family, 0, &state));
        EXPECT_TRUE(state.attached);
        ASSERT_TRUE(ProgramApp().RefreshCatalogue());
        EXPECT_EQ(DriveNameOf(letter), DisplayNameOf(record_));

        // With the files closed the unmount goes through without a question.
        recorder_->FailLocks(0);
        MessageBoxWatcher none;
        EXPECT_TRUE(UnmountRecord(record_, DisplayNameOf(record_)));
        EXPECT_TRUE(none.Seen().empty());
        EXPECT_FALSE(DriveListed(letter));
    }
}

TEST_F(OpenFiles, YesDismountsByForceWithoutLockOrUnlock) {
    Mount(kModeFloppy);
    const char letter = record_.driveLetter;
    recorder_->FailLocks(ERROR_ACCESS_DENIED);
    MessageBoxWatcher watcher({IDYES});
    EXPECT_TRUE(UnmountRecord(record_, DisplayNameOf(record_)));
    const auto seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 1u);
    ExpectQuestion(seen[0], kModeFloppy, kTestProgramCaption);

    // The driver's confirmation, the refused lock, then the forced pass:
    // detach before dismount.
    EXPECT_EQ(recorder_->ControlCodes(), (std::vector<DWORD>{MV_IOCTL_QUERY_IMAGE, FSCTL_LOCK_VOLUME,
                                                             MV_IOCTL_DETACH_IMAGE, FSCTL_DISMOUNT_VOLUME}));
    MvStandInState state;
    ASSERT_TRUE(ReadStandInState(kFamilyFloppy, 0, &state));
    EXPECT_FALSE(state.attached);
    EXPECT_EQ(state.detachRequests, 1u);
    EXPECT_EQ(state.dismountRequests, 1u);
    EXPECT_FALSE(DriveListed(letter));
    EXPECT_FALSE(DriveDefined(letter));
    EXPECT_EQ(record_.mounted, 0);
    const auto stored = ReadRecord(DisplayNameOf(record_));
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->mounted, 0);
    EXPECT_EQ(DriveNameOf(letter), "");
}

namespace {

// Boxes answered in turn from `answers`, a 0 as a box that could not be
// shown (with ERROR_NOT_ENOUGH_MEMORY); the texts they were asked to show.
std::vector<int> scriptedAnswers;
std::vector<std::string> shownTexts;

int WINAPI ScriptedMessageBox(HWND, LPCWSTR text, LPCWSTR, UINT) {
    shownTexts.push_back(win32::AnsiText(text));
    const int answer = scriptedAnswers.empty() ? 0 : scriptedAnswers.front();
    if (!scriptedAnswers.empty()) scriptedAnswers.erase(scriptedAnswers.begin());
    if (answer == 0) SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return answer;
}

}  // namespace

// Yes to either question detaches a drive: a box that could not be shown is
// no consent, and its failure is reported like any other (here the report
// cannot be shown either).
TEST_F(OpenFiles, QuestionThatCannotBeShownIsNoConsent) {
    // "The command could not be carried out.\nError code: 8."
    const std::string failed =
        "\xCD\xE5 \xF3\xE4\xE0\xEB\xEE\xF1\xFC \xE2\xFB\xEF\xEE\xEB\xED\xE8\xF2\xFC \xEA\xEE\xEC\xE0\xED\xE4\xF3.\n"
        "\xCA\xEE\xE4 \xEE\xF8\xE8\xE1\xEA\xE8: 8.";
    struct Case {
        const char* question;
        std::vector<int> answers;
        size_t shown;
        RemoveResult result;
    };
    const Case cases[] = {{"removal", {0}, 2, kRemoveDeclined}, {"forced dismount", {IDYES, 0}, 3, kRemoveKept}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.question);
        Mount(kModeFloppy);
        recorder_->FailLocks(ERROR_ACCESS_DENIED);
        scriptedAnswers = c.answers;
        shownTexts.clear();
        {
            ImportPatch boxes(GetModuleHandleA(nullptr), "user32.dll", "MessageBoxW",
                              reinterpret_cast<const void*>(&ScriptedMessageBox));
            ASSERT_TRUE(boxes.IsApplied());
            EXPECT_EQ(ProgramApp().RemoveImage(L"\\open.img"), c.result);
        }
        ASSERT_EQ(shownTexts.size(), c.shown);
        EXPECT_EQ(shownTexts.back(), failed);
        for (DWORD code : recorder_->ControlCodes()) EXPECT_NE(code, MV_IOCTL_DETACH_IMAGE);
        EXPECT_TRUE(DriveListed(record_.driveLetter));
        const auto stored = ReadRecord(DisplayNameOf(record_));
        ASSERT_TRUE(stored);
        EXPECT_EQ(stored->mounted, 1);
        recorder_->FailLocks(0);
        EXPECT_TRUE(UnmountRecord(record_, DisplayNameOf(record_)));
    }
}

// Through the real plug-in: removing a mounted image asks first whether to
// unmount it, then the forced-dismount question, captioned "Morvane".
TEST_F(OpenFiles, PluginAsksCaptionedMorvane) {
    Mount(0, "disk.vhd");
    const char letter = record_.driveLetter;
    recorder_.reset();

    LoadedPlugin plugin;
    ASSERT_TRUE(plugin.IsLoaded()) << GetLastError();
    DriverRequestRecorder pluginRecorder(plugin.Handle());
    ASSERT_TRUE(pluginRecorder.IsActive()) << pluginRecorder.Why();
    plugin.Fs().FsInit(1, nullptr, nullptr, nullptr);
    pluginRecorder.FailLocks(ERROR_ACCESS_DENIED);
    pluginRecorder.Clear();

    MessageBoxWatcher watcher({IDYES, IDNO});
    char remote[] = "\\disk.vhd";
    EXPECT_FALSE(plugin.Fs().FsDeleteFile(remote));
    const auto seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 2u);
    ExpectQuestion(seen[1], 0, "Morvane");
    // The removal's catalogue refresh queries the driver; then only the lock.
    std::vector<DWORD> requests;
    for (DWORD code : pluginRecorder.ControlCodes())
        if (code != MV_IOCTL_QUERY_IMAGE) requests.push_back(code);
    EXPECT_EQ(requests, std::vector<DWORD>{FSCTL_LOCK_VOLUME});
    EXPECT_TRUE(DriveListed(letter));
    const auto stored = ReadRecord("disk.vhd");
    ASSERT_TRUE(stored) << "the record must stay when the unmount is declined";
    EXPECT_EQ(stored->mounted, 1);
}
