// Detaching an image and removing its drive letter, end to end through the
// stand-in driver; the order of the volume requests, the refused lock, and
// the failures that leave the letter defined.
#include <windows.h>
#include <gtest/gtest.h>
#include <shlobj.h>
#include <winioctl.h>

#include <vector>

#include "driver/DeviceNames.h"
#include "driver/Driver.h"
#include "driver/DriverProtocol.h"
#include "driver/ImageInfo.h"
#include "driver/KernelPath.h"
#include "harness/DriveLetters.h"
#include "harness/ScratchImage.h"
#include "harness/StandInDriver.h"
#include "support/DriverRequestRecorder.h"
#include "support/ExpectedTexts.h"
#include "support/MessageBoxWatcher.h"
#include "support/ProgramApp.h"
#include "support/StandInFixture.h"
#include "support/SystemText.h"

using namespace morvane;
using namespace morvane::test;

namespace {

class DriverUnmountTest : public StandInTest {
protected:
    // Mounts a fresh image on the letter, CD/DVD device 0.
    void Mount() {
        ASSERT_TRUE(image_.IsReady());
        const MountRequest request{letter_, kFamilyHardDisk, 0, false, KernelImagePath(image_.Path())};
        ASSERT_EQ(DriverMount(OnDevice(request, kFamilyCdDvd, 0), ProgramApp()), DriverResult::Done);
        ASSERT_TRUE(DriveListed(letter_));
    }

    MvStandInState State() const {
        MvStandInState state;
        EXPECT_TRUE(ReadStandInState(kFamilyCdDvd, 0, &state));
        return state;
    }

    std::string Remove() const { return "remove " + DosDeviceName(letter_); }

    ScratchImage image_;
};

using Steps = std::vector<std::string>;

}  // namespace

TEST_F(DriverUnmountTest, DetachesDismountsAndRemovesTheLetter) {
    for (bool force : {false, true}) {
        SCOPED_TRACE(force ? "forced" : "unforced");
        Mount();
        const uint32_t handlesBefore = State().openHandles;
        {
            MessageBoxWatcher watcher;
            RecordCoreRequests();

            ASSERT_EQ(DriverUnmount(letter_, force, ProgramApp()), DriverResult::Done);

            EXPECT_TRUE(watcher.Seen().empty());
            if (force) {
                EXPECT_EQ(recorder_->Steps(), (Steps{"open", "detach", "dismount", "close", Remove(), "notice"}));
            } else {
                EXPECT_EQ(recorder_->Steps(),
                          (Steps{"open", "lock", "detach", "dismount", "unlock", "close", Remove(), "notice"}));
            }
            const auto definitions = recorder_->Definitions();
            ASSERT_EQ(definitions.size(), 1u);
            EXPECT_EQ(definitions[0].flags, static_cast<DWORD>(DDD_REMOVE_DEFINITION));
            EXPECT_TRUE(definitions[0].target.empty());
            const auto opens = recorder_->Opens();
            ASSERT_EQ(opens.size(), 1u);
            EXPECT_EQ(opens[0].path, VolumePath(letter_));
            EXPECT_EQ(opens[0].access, static_cast<DWORD>(GENERIC_READ | GENERIC_WRITE));
            EXPECT_EQ(opens[0].shareMode, static_cast<DWORD>(FILE_SHARE_READ | FILE_SHARE_WRITE));
            EXPECT_EQ(opens[0].flags, static_cast<DWORD>(FILE_FLAG_NO_BUFFERING));
            const auto notices = recorder_->ShellNotices();
            ASSERT_EQ(notices.size(), 1u);
            EXPECT_EQ(notices[0].event, SHCNE_DRIVEREMOVED);
            EXPECT_EQ(notices[0].flags, static_cast<UINT>(SHCNF_PATHA));
            EXPECT_EQ(notices[0].path, ShellDrivePath(letter_));
            EXPECT_FALSE(notices[0].hasSecondItem);
        }
        EXPECT_FALSE(DriveListed(letter_));
        const MvStandInState state = State();
        EXPECT_EQ(state.attached, 0);
        EXPECT_EQ(state.detachRequests, 1u);
        EXPECT_EQ(state.dismountRequests, 1u);
        EXPECT_EQ(state.openHandles, handlesBefore) << "a handle outlived the call";
        ResetStandInDevice(kFamilyCdDvd, 0);
    }
}

// Files are open: nothing is shown, nothing changes, the caller may force.
TEST_F(DriverUnmountTest, RefusedLockChangesNothing) {
    Mount();
    for (DWORD error : {DWORD{ERROR_ACCESS_DENIED}, DWORD{ERROR_SHARING_VIOLATION}}) {
        SCOPED_TRACE(error);
        MessageBoxWatcher watcher;
        RecordCoreRequests();
        recorder_->FailLocks(error);
        SetLastError(0xdeadbeef);

        EXPECT_EQ(DriverUnmount(letter_, false, ProgramApp()), DriverResult::LockRefused);

        EXPECT_EQ(GetLastError(), error) << "the lock's own error, even after the clean-up";
        EXPECT_TRUE(watcher.Seen().empty());
        EXPECT_EQ(recorder_->Steps(), (Steps{"open", "lock failed", "close"}));
        EXPECT_TRUE(DriveListed(letter_));
        EXPECT_EQ(State().attached, 1);
    }
    // Forced, no lock is asked for: the refusal does not matter.
    RecordCoreRequests();
    recorder_->FailLocks(ERROR_ACCESS_DENIED);
    EXPECT_EQ(DriverUnmount(letter_, true, ProgramApp()), DriverResult::Done);
    EXPECT_EQ(recorder_->ControlCodes(), (std::vector<DWORD>{MV_IOCTL_DETACH_IMAGE, FSCTL_DISMOUNT_VOLUME}));
    EXPECT_FALSE(DriveListed(letter_));
}

TEST_F(DriverUnmountTest, UndefinedLetterIsReported) {
    MessageBoxWatcher watcher;
    RecordCoreRequests();
    EXPECT_EQ(DriverUnmount(letter_, false, ProgramApp()), DriverResult::Failed);
    const auto seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, std::string(1, letter_) + ": " + SystemText(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(seen[0].caption, kTestProgramCaption);
    EXPECT_EQ(recorder_->Steps(), (Steps{"open failed", "message"}));
}

// A letter bound to a device that serves nothing: the detach fails and the
// letter stays, as nothing is rolled back.
TEST_F(DriverUnmountTest, RefusedDetachNamesTheDriverAndKeepsTheLetter) {
    ASSERT_TRUE(DefineDosDeviceA(DDD_RAW_TARGET_PATH, DosDeviceName(letter_).c_str(),
                                 DeviceObjectName(kFamilyCdDvd, 0).c_str()));
    MessageBoxWatcher watcher;
    RecordCoreRequests();
    EXPECT_EQ(DriverUnmount(letter_, true, ProgramApp()), DriverResult::Failed);
    const auto seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "MV_FileDisk: " + SystemText(ERROR_NOT_READY));
    EXPECT_EQ(recorder_->Steps(), (Steps{"open", "detach failed", "message", "close"}));
    EXPECT_TRUE(DriveListed(letter_));
}

// Without the recorder's correction, Wine's failed dismount (error 66) is
// what the plug-in sees: the image is detached, the letter stays defined.
TEST_F(DriverUnmountTest, WinesFailedDismountLeavesTheLetterDefined) {
    Mount();
    MessageBoxWatcher watcher;
    EXPECT_EQ(DriverUnmount(letter_, true, ProgramApp()), DriverResult::Failed);
    const auto seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, std::string(1, letter_) + ": " + SystemText(ERROR_BAD_DEV_TYPE));
    EXPECT_EQ(State().attached, 0);
    EXPECT_EQ(State().dismountRequests, 1u);
    EXPECT_TRUE(DriveListed(letter_));
}

TEST_F(DriverUnmountTest, LetterOutsideAToZIsNeverOpened) {
    for (char letter : {'a', '@', '[', '\0'}) {
        SCOPED_TRACE(static_cast<int>(letter));
        MessageBoxWatcher watcher;
        RecordCoreRequests();
        EXPECT_EQ(DriverUnmount(letter, true, ProgramApp()), DriverResult::Failed);
        EXPECT_EQ(watcher.Seen().size(), 1u);
        EXPECT_EQ(recorder_->Steps(), Steps{"message"});
    }
}
