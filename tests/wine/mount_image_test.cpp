// Mounting and unmounting catalogue records end to end: the core's own
// application object, the stand-in driver, the registry store.
#include <windows.h>
#include <gtest/gtest.h>
#include <shlobj.h>
#include <winioctl.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "driver/DriverProtocol.h"
#include "driver/KernelPath.h"
#include "harness/DriveLetters.h"
#include "harness/ScratchImage.h"
#include "harness/StandInDriver.h"
#include "harness/StoredRecords.h"
#include "support/MessageBoxWatcher.h"
#include "support/ProgramApp.h"
#include "support/StandInFixture.h"

using namespace morvane;
using namespace morvane::test;

namespace {

class MountImage : public StandInTest {
protected:
    void SetUp() override {
        StandInTest::SetUp();
        RecordCoreRequests();
    }
};

std::string NameOf(const MvStandInState& state) {
    return std::string(state.imageName, std::min<size_t>(state.nameLength, sizeof state.imageName));
}

}  // namespace

TEST_F(MountImage, EachFamilyMountsOnItsLetterAndUnmountsAgain) {
    struct Case {
        const char* name;
        uint32_t mode;
        int family;
    };
    const Case cases[] = {
        {"disc.iso", kModeCdDvd, kFamilyCdDvd},
        {"boot.img", kModeFloppy, kFamilyFloppy},
        {"disk.vhd", 0, kFamilyHardDisk},
    };
    MessageBoxWatcher watcher;

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchImage image(c.name);
        ASSERT_TRUE(image.IsReady());
        CFileInfo record = MakeRecord({c.name, image.Path(), letter_, c.mode});
        ASSERT_TRUE(SaveNewRecord(record));
        recorder_->Clear();

        ASSERT_TRUE(MountRecord(record, DisplayNameOf(record)));
        EXPECT_TRUE(DriveListed(letter_));
        EXPECT_EQ(record.mounted, 1);
        EXPECT_EQ(record.deviceNumber, 0u);
        MvStandInState state;
        ASSERT_TRUE(ReadStandInState(c.family, 0, &state));
        EXPECT_TRUE(state.attached);
        EXPECT_EQ(state.driveLetter, letter_);
        EXPECT_EQ(NameOf(state), KernelImagePath(image.Path()));
        const auto stored = ReadRecord(c.name);
        ASSERT_TRUE(stored);
        EXPECT_EQ(stored->mounted, 1);
        EXPECT_EQ(stored->deviceNumber, 0u);
        const auto notices = recorder_->ShellNotices();
        ASSERT_EQ(notices.size(), 1u);
        EXPECT_EQ(notices[0].event, SHCNE_DRIVEADD);
        EXPECT_EQ(notices[0].path, std::string(1, letter_) + ":\\");

        // A fresh catalogue from the store, confirmed by the driver.
        ASSERT_TRUE(ProgramApp().RefreshCatalogue());
        EXPECT_EQ(DriveNameOf(letter_), c.name);

        recorder_->Clear();
        ASSERT_TRUE(UnmountRecord(record, DisplayNameOf(record)));
        EXPECT_FALSE(DriveListed(letter_));
        EXPECT_FALSE(DriveDefined(letter_));
        EXPECT_EQ(record.mounted, 0);
        EXPECT_EQ(DriveNameOf(letter_), "");
        ASSERT_TRUE(ReadStandInState(c.family, 0, &state));
        EXPECT_FALSE(state.attached);
        const auto unmounted = ReadRecord(c.name);
        ASSERT_TRUE(unmounted);
        EXPECT_EQ(unmounted->mounted, 0);
        // The driver confirms the image before anything is detached.
        EXPECT_EQ(recorder_->ControlCodes(),
                  (std::vector<DWORD>{MV_IOCTL_QUERY_IMAGE, FSCTL_LOCK_VOLUME, MV_IOCTL_DETACH_IMAGE,
                                      FSCTL_DISMOUNT_VOLUME, FSCTL_UNLOCK_VOLUME}));
        ASSERT_TRUE(ProgramApp().RefreshCatalogue());
        EXPECT_EQ(DriveNameOf(letter_), "");
    }
    EXPECT_TRUE(watcher.Seen().empty());
}

// Each family numbers its devices from 0; a number is free again once the
// record holding it is unmounted.
TEST_F(MountImage, LowestFreeDeviceNumberOfTheFamily) {
    const std::vector<char> letters = FreeLetters(5);
    ASSERT_EQ(letters.size(), 5u) << "not enough free drive letters";
    struct Step {
        const char* name;
        uint32_t mode;
        int family;
        uint32_t number;
    };
    const Step steps[] = {
        {"cd0.iso", kModeCdDvd, kFamilyCdDvd, 0},
        {"cd1.iso", kModeCdDvd, kFamilyCdDvd, 1},
        {"cd2.iso", kModeCdDvd, kFamilyCdDvd, 2},
        {"hd0.vhd", 0, kFamilyHardDisk, 0},
    };
    MessageBoxWatcher watcher;
    std::vector<std::unique_ptr<ScratchImage>> images;
    std::vector<CFileInfo> records;
    for (size_t i = 0; i < std::size(steps); ++i) {
        SCOPED_TRACE(steps[i].name);
        images.push_back(std::make_unique<ScratchImage>(steps[i].name));
        ASSERT_TRUE(images.back()->IsReady());
        records.push_back(MakeRecord({steps[i].name, images.back()->Path(), letters[i], steps[i].mode}));
        ASSERT_TRUE(SaveNewRecord(records.back()));
        ASSERT_TRUE(MountRecord(records.back(), DisplayNameOf(records.back())));
        EXPECT_EQ(records.back().deviceNumber, steps[i].number);
        const auto stored = ReadRecord(steps[i].name);
        ASSERT_TRUE(stored);
        EXPECT_EQ(stored->deviceNumber, steps[i].number);
        MvStandInState state;
        ASSERT_TRUE(ReadStandInState(steps[i].family, steps[i].number, &state));
        EXPECT_TRUE(state.attached);
        EXPECT_EQ(state.driveLetter, letters[i]);
    }

    ASSERT_TRUE(UnmountRecord(records[0], DisplayNameOf(records[0])));
    ScratchImage image("cd-again.iso");
    ASSERT_TRUE(image.IsReady());
    CFileInfo again = MakeRecord({"cd-again.iso", image.Path(), letters[4], kModeCdDvd});
    ASSERT_TRUE(SaveNewRecord(again));
    ASSERT_TRUE(MountRecord(again, DisplayNameOf(again)));
    EXPECT_EQ(again.deviceNumber, 0u);
    MvStandInState state;
    ASSERT_TRUE(ReadStandInState(kFamilyCdDvd, 0, &state));
    EXPECT_EQ(state.driveLetter, letters[4]);
    EXPECT_EQ(NameOf(state), KernelImagePath(image.Path()));

    for (size_t i = 1; i < records.size(); ++i) EXPECT_TRUE(UnmountRecord(records[i], DisplayNameOf(records[i])));
    EXPECT_TRUE(UnmountRecord(again, DisplayNameOf(again)));
    EXPECT_TRUE(watcher.Seen().empty());
}

// CD/DVD images are always attached writable; other read-only modes are not.
TEST_F(MountImage, ReadOnlyRequestByMode) {
    struct Case {
        uint32_t mode;
        int family;
        uint8_t readOnly;
    };
    const Case cases[] = {
        {3, kFamilyCdDvd, 0},    {1, kFamilyHardDisk, 1}, {5, kFamilyFloppy, 1},
        {0, kFamilyHardDisk, 0}, {4, kFamilyFloppy, 0},
    };
    MessageBoxWatcher watcher;
    for (const Case& c : cases) {
        SCOPED_TRACE("mode " + std::to_string(c.mode));
        ScratchImage image("image.bin");
        ASSERT_TRUE(image.IsReady());
        CFileInfo record = MakeRecord({"image.bin", image.Path(), letter_, c.mode});
        ASSERT_TRUE(SaveNewRecord(record));
        recorder_->Clear();
        ASSERT_TRUE(MountRecord(record, DisplayNameOf(record)));
        const auto controls = recorder_->Controls();
        ASSERT_EQ(controls.size(), 1u);
        ASSERT_EQ(controls[0].code, MV_IOCTL_ATTACH_IMAGE);
        ASSERT_GT(controls[0].input.size(), 8u);
        EXPECT_EQ(controls[0].input[8], c.readOnly);
        MvStandInState state;
        ASSERT_TRUE(ReadStandInState(c.family, 0, &state));
        EXPECT_EQ(state.readOnly, c.readOnly);
        ASSERT_TRUE(UnmountRecord(record, DisplayNameOf(record)));
    }
    EXPECT_TRUE(watcher.Seen().empty());
}

// C:\x.iso goes to the driver as \??\C:\x.iso: 12 name bytes, 27 bytes sent.
TEST_F(MountImage, AttachRequestBytes) {
    ScratchImage image("x.iso", 2048, "C:\\");
    ASSERT_TRUE(image.IsReady()) << "C:\\x.iso exists already or cannot be made";

    MessageBoxWatcher watcher;
    CFileInfo record = MakeRecord({"x.iso", image.Path(), letter_, kModeCdDvd});
    ASSERT_TRUE(SaveNewRecord(record));
    recorder_->Clear();
    ASSERT_TRUE(MountRecord(record, DisplayNameOf(record)));
    const auto controls = recorder_->Controls();
    ASSERT_EQ(controls.size(), 1u);
    EXPECT_EQ(controls[0].inputLength, 27u);
    const uint8_t expected[27] = {0,   0,   0,    0,   0,   0,    0,   0,   0,    static_cast<uint8_t>(letter_),
                                  12,  0,   '\\', '?', '?', '\\', 'C', ':', '\\', 'x',
                                  '.', 'i', 's',  'o', 0,   0,    0};
    EXPECT_EQ(controls[0].input, std::vector<uint8_t>(std::begin(expected), std::end(expected)));
    MvStandInState state;
    ASSERT_TRUE(ReadStandInState(kFamilyCdDvd, 0, &state));
    EXPECT_EQ(state.lastAttachInputLength, 27u);
    EXPECT_EQ(NameOf(state), "\\??\\C:\\x.iso");
    EXPECT_TRUE(UnmountRecord(record, DisplayNameOf(record)));
    EXPECT_TRUE(watcher.Seen().empty());
}

TEST_F(MountImage, KernelFormsOfNetworkAndSingleBackslashPaths) {
    ScratchImage image;
    ASSERT_TRUE(image.IsReady());
    struct Case {
        std::string path;
        std::string kernel;
        bool served;
    };
    const Case cases[] = {
        // Already in the kernel's name space: passed on unchanged, and the
        // stand-in finds the file.
        {"\\??\\" + image.Path(), "\\??\\" + image.Path(), true},
        // Wine has no such share; only the request is checked.
        {"\\\\server\\share\\disk.iso", "\\??\\UNC\\server\\share\\disk.iso", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        MessageBoxWatcher watcher;
        CFileInfo record = MakeRecord({"net.iso", c.path, letter_, kModeCdDvd});
        ASSERT_TRUE(SaveNewRecord(record));
        recorder_->Clear();
        EXPECT_EQ(MountRecord(record, DisplayNameOf(record)), c.served);
        const auto controls = recorder_->Controls();
        ASSERT_FALSE(controls.empty());
        ASSERT_EQ(controls[0].code, MV_IOCTL_ATTACH_IMAGE);
        const std::vector<uint8_t>& input = controls[0].input;
        ASSERT_EQ(input.size(), c.kernel.size() + 15);
        EXPECT_EQ(std::string(input.begin() + 12, input.begin() + 12 + c.kernel.size()), c.kernel);
        if (c.served) {
            EXPECT_TRUE(UnmountRecord(record, DisplayNameOf(record)));
            EXPECT_TRUE(watcher.Seen().empty());
        } else {
            EXPECT_EQ(watcher.Seen().size(), 1u);
            EXPECT_FALSE(DriveListed(letter_));
        }
    }
}
