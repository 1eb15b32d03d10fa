// A mount that fails shows exactly one message and leaves no drive letter
// and no mounted record behind.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "driver/DriverProtocol.h"
#include "harness/DriveLetters.h"
#include "harness/ScratchImage.h"
#include "harness/StandInDriver.h"
#include "harness/StoredRecords.h"
#include "support/ExpectedTexts.h"
#include "support/MessageBoxWatcher.h"
#include "support/ProgramApp.h"
#include "support/StandInFixture.h"
#include "support/SystemText.h"

using namespace morvane;
using namespace morvane::test;

namespace {

class MountFailure : public StandInTest {
protected:
    void SetUp() override {
        StandInTest::SetUp();
        RecordCoreRequests();
    }

    size_t AttachRequests() const {
        size_t count = 0;
        for (DWORD code : recorder_->ControlCodes()) count += code == MV_IOCTL_ATTACH_IMAGE;
        return count;
    }

    // Mounts `record` (stored first) and expects it to fail with one box
    // saying `message`; the letter must not be left defined.
    void ExpectFailure(CFileInfo record, const std::string& message) {
        ASSERT_TRUE(SaveNewRecord(record));
        const std::string name = DisplayNameOf(record);
        MessageBoxWatcher watcher;
        EXPECT_FALSE(MountRecord(record, DisplayNameOf(record)));
        const auto seen = watcher.Seen();
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].text, message);
        EXPECT_TRUE(seen[0].hasOk);
        EXPECT_EQ(seen[0].icon, static_cast<UINT>(MB_ICONEXCLAMATION));
        EXPECT_EQ(record.mounted, 0);
        const auto stored = ReadRecord(name);
        ASSERT_TRUE(stored);
        EXPECT_EQ(stored->mounted, 0);
        ASSERT_TRUE(ProgramApp().RefreshCatalogue());
        EXPECT_EQ(DriveNameOf(record.driveLetter), "");
    }
};

}  // namespace

TEST_F(MountFailure, LetterInUse) {
    ScratchImage image;
    ASSERT_TRUE(image.IsReady());
    char before[1024] = {};
    ASSERT_NE(QueryDosDeviceA("C:", before, sizeof before), 0u);
    ExpectFailure(MakeRecord({"busy.iso", image.Path(), 'C', kModeCdDvd}), "C: " + SystemText(ERROR_BUSY));
    char after[1024] = {};
    ASSERT_NE(QueryDosDeviceA("C:", after, sizeof after), 0u);
    EXPECT_STREQ(after, before) << "C: was redefined";
    EXPECT_EQ(AttachRequests(), 0u);
}

// Wine, like Windows, answers ERROR_PATH_NOT_FOUND when the driver's object
// directory is missing.
TEST_F(MountFailure, DriverNotRunning) {
    ScratchImage image;
    ASSERT_TRUE(image.IsReady());
    std::string why;
    ASSERT_TRUE(StopStandInDriver(&why)) << why;
    ExpectFailure(MakeRecord({"nodriver.iso", image.Path(), letter_, kModeCdDvd}), DriverMissingMessage());
    EXPECT_FALSE(DriveListed(letter_));
    EXPECT_FALSE(DriveDefined(letter_));
}

// The stand-in serves four devices of each family; records still marked
// mounted hold them all, so the next mount asks for number 4, whose open the
// driver refuses with the not-found status. (Wine reports that open as
// error 3; the recorder gives back the ERROR_FILE_NOT_FOUND of Windows.)
TEST_F(MountFailure, TooManyDevicesOfTheFamily) {
    for (uint32_t number = 0; number < MV_STANDIN_SERVED_DEVICES; ++number) {
        CFileInfo held = MakeRecord({"held" + std::to_string(number) + ".vhd", "C:\\held.vhd", 'A', 0, true});
        held.deviceNumber = number;
        ASSERT_TRUE(SaveNewRecord(held));
    }
    ScratchImage image("fifth.vhd");
    ASSERT_TRUE(image.IsReady());
    ExpectFailure(MakeRecord({"fifth.vhd", image.Path(), letter_, 0}), TooManyDevicesMessage());
    EXPECT_FALSE(DriveListed(letter_));
    EXPECT_FALSE(DriveDefined(letter_));
    EXPECT_EQ(AttachRequests(), 0u);
}

TEST_F(MountFailure, ImageFileGone) {
    ScratchImage image;
    ASSERT_TRUE(image.IsReady());
    ASSERT_TRUE(image.Delete());
    ExpectFailure(MakeRecord({"gone.iso", image.Path(), letter_, kModeCdDvd}), kTextImageNotAccessible);
    EXPECT_FALSE(DriveListed(letter_));
    EXPECT_FALSE(DriveDefined(letter_));
    MvStandInState state;
    ASSERT_TRUE(ReadStandInState(kFamilyCdDvd, 0, &state));
    EXPECT_FALSE(state.attached);
    EXPECT_EQ(state.attachRequests, 1u);
}

// Refused before any driver request; the device number is recomputed all the
// same.
TEST_F(MountFailure, RecordsThatCannotBeMountedNeverReachTheDriver) {
    ScratchImage image;
    ASSERT_TRUE(image.IsReady());
    ASSERT_TRUE(SaveNewRecord(MakeRecord({"held.iso", "C:\\held.iso", 'A', kModeCdDvd, true})));

    struct Case {
        const char* why;
        std::string path;
        char letter;
    };
    const Case cases[] = {
        {"empty image path", "", letter_},
        {"one-character image path", "x", letter_},
        {"no drive letter", image.Path(), '\0'},
        {"lower-case letter", image.Path(), static_cast<char>(letter_ - 'A' + 'a')},
        {"past Z", image.Path(), '['},
        {"digit", image.Path(), '1'},
    };
    MessageBoxWatcher watcher;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        CFileInfo record = MakeRecord({"refused.iso", c.path, c.letter, kModeCdDvd});
        record.deviceNumber = 0xAAAAAAAA;
        ASSERT_TRUE(SaveNewRecord(record));
        recorder_->Clear();
        EXPECT_FALSE(MountRecord(record, DisplayNameOf(record)));
        EXPECT_EQ(record.deviceNumber, 1u);
        EXPECT_EQ(record.mounted, 0);
        EXPECT_TRUE(recorder_->Opens().empty());
        EXPECT_TRUE(recorder_->Controls().empty());
        const auto stored = ReadRecord("refused.iso");
        ASSERT_TRUE(stored);
        EXPECT_EQ(stored->mounted, 0);
    }
    // A record without a path the driver can take says so; a letter that is
    // no drive is reported like any failed mount, under a letter that cannot
    // end the text.
    const auto seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 6u);
    for (size_t i = 0; i < 2; ++i) {
        std::string expected = kTextNoDriverPath;
        expected.replace(expected.find("%s"), 2, cases[i].path);
        EXPECT_EQ(seen[i].text, expected);
    }
    for (size_t i = 2; i < seen.size(); ++i) EXPECT_EQ(seen[i].text, "?: " + SystemText(ERROR_INVALID_DRIVE));
    EXPECT_FALSE(DriveDefined(letter_));
}
