// The log-on restore through rundll32 against the stand-in driver: marked
// images come back on their letters, failures are logged and leave neither a
// letter nor a mounted mark behind.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "harness/ActivityLogFile.h"
#include "harness/DriveLetters.h"
#include "harness/ScratchImage.h"
#include "harness/StandInDriver.h"
#include "harness/StoredRecords.h"
#include "support/ExpectedTexts.h"
#include "support/Rundll32.h"
#include "support/StandInFixture.h"
#include "support/SystemText.h"

using namespace morvane;
using namespace morvane::test;

namespace {

// "dd.mm.yyyy HH:MM:SS\t"
bool IsTimeStamp(const std::string& text) {
    static const char pattern[] = "00.00.0000 00:00:00\t";
    if (text.size() != sizeof pattern - 1) return false;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (pattern[i] == '0' ? !digit : text[i] != pattern[i]) return false;
    }
    return true;
}

// The log holds exactly one entry, and it is `message`, ending with a line
// break (the system's texts bring their own, the special texts get one).
void ExpectSingleLogEntry(const std::string& log, const std::string& message) {
    ASSERT_GT(log.size(), 20u) << "log: " << log;
    EXPECT_TRUE(IsTimeStamp(log.substr(0, 20))) << log;
    const bool hasBreak = !message.empty() && message.back() == '\n';
    EXPECT_EQ(log.substr(20), hasBreak ? message : message + "\r\n");
}

std::string KernelPathOf(const std::string& path) { return "\\??\\" + path; }

// The log-on process loads the plug-in afresh, which takes the built-in texts
// that the fixture chose in the registry.
class LogonRestoreWithDriver : public StandInTest {
protected:
    void SetUp() override {
        StandInTest::SetUp();
        letters_ = FreeLetters(5);
        ASSERT_EQ(letters_.size(), 5u) << "not enough free drive letters";
    }

    static CFileInfo Stored(const std::string& name) {
        const auto record = ReadRecord(name);
        EXPECT_TRUE(record) << name;
        return record.value_or(EmptyFileInfo());
    }

    FreshActivityLog log_;
    std::vector<char> letters_;
};

}  // namespace

TEST_F(LogonRestoreWithDriver, MarkedImagesComeBackOnTheirLettersAndModes) {
    struct Case {
        const char* name;
        uint32_t mode;
        int family;
        uint32_t number;
        bool readOnly;
    };
    // Two of one family show that numbers count per family.
    const Case cases[] = {
        {"disk.vhd", 0, kFamilyHardDisk, 0, false}, {"locked.vhd", 1, kFamilyHardDisk, 1, true},
        {"movie.iso", 3, kFamilyCdDvd, 0, false},   {"boot.img", 4, kFamilyFloppy, 0, false},
        {"tools.img", 5, kFamilyFloppy, 1, true},
    };
    std::vector<std::unique_ptr<ScratchImage>> images;
    for (size_t i = 0; i < std::size(cases); ++i) {
        images.push_back(std::make_unique<ScratchImage>(cases[i].name));
        ASSERT_TRUE(images.back()->IsReady());
        ASSERT_EQ(StoreRecord({cases[i].name, images.back()->Path(), letters_[i], cases[i].mode, true, true}),
                  ERROR_SUCCESS);
    }

    RunQuietLogonRestore();

    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(DriveListed(letters_[i]));
        MvStandInState state;
        ASSERT_TRUE(ReadStandInState(c.family, c.number, &state));
        EXPECT_EQ(state.attached, 1);
        EXPECT_EQ(state.driveLetter, letters_[i]);
        EXPECT_EQ(state.readOnly, c.readOnly ? 1 : 0);
        EXPECT_EQ(std::string(state.imageName, state.nameLength), KernelPathOf(images[i]->Path()));
        const CFileInfo record = Stored(c.name);
        EXPECT_EQ(record.mounted, 1);
        EXPECT_EQ(record.driveLetter, letters_[i]);
        EXPECT_EQ(record.mountMode, c.mode);
        EXPECT_EQ(record.deviceNumber, c.number);
    }
    EXPECT_EQ(ReadActivityLog(), "");
}

TEST_F(LogonRestoreWithDriver, OnlyRecordsMarkedMountedAndForRestoreAreMounted) {
    ScratchImage left("left.iso");
    ScratchImage unmounted("unmounted.iso");
    ASSERT_TRUE(left.IsReady() && unmounted.IsReady());
    ASSERT_EQ(StoreRecord({"left.iso", left.Path(), letters_[0], 3, true, false}), ERROR_SUCCESS);
    ASSERT_EQ(StoreRecord({"unmounted.iso", unmounted.Path(), letters_[1], 3, false, true}), ERROR_SUCCESS);

    RunQuietLogonRestore();

    EXPECT_FALSE(DriveListed(letters_[0]));
    EXPECT_FALSE(DriveListed(letters_[1]));
    MvStandInState state;
    ASSERT_TRUE(ReadStandInState(kFamilyCdDvd, 0, &state));
    EXPECT_EQ(state.attachRequests, 0u);
    EXPECT_EQ(Stored("left.iso").mounted, 0);
    EXPECT_EQ(Stored("unmounted.iso").mounted, 0);
    EXPECT_EQ(Stored("unmounted.iso").restoreAtLogon, 1);
}

TEST_F(LogonRestoreWithDriver, DeviceNumbersFollowTheStoreOrder) {
    std::vector<std::unique_ptr<ScratchImage>> images;
    const char* names[] = {"one.iso", "two.iso", "three.iso"};
    for (size_t i = 0; i < 3; ++i) {
        images.push_back(std::make_unique<ScratchImage>(names[i]));
        ASSERT_TRUE(images.back()->IsReady());
        ASSERT_EQ(StoreRecord({names[i], images.back()->Path(), letters_[i], 3, true, true}), ERROR_SUCCESS);
    }
    // Whatever order the registry enumerates them in, the numbers follow it.
    const auto order = StoredValues();
    ASSERT_EQ(order.size(), 3u);

    RunQuietLogonRestore();

    for (uint32_t number = 0; number < 3; ++number) {
        SCOPED_TRACE(order[number].name);
        const CFileInfo record = Stored(order[number].name);
        EXPECT_EQ(record.mounted, 1);
        EXPECT_EQ(record.deviceNumber, number);
        MvStandInState state;
        ASSERT_TRUE(ReadStandInState(kFamilyCdDvd, number, &state));
        EXPECT_EQ(state.attached, 1);
        EXPECT_EQ(std::string(state.imageName, state.nameLength), KernelPathOf(ImagePathOf(record)));
    }
}

TEST_F(LogonRestoreWithDriver, SecondRecordOnOneLetterIsLoggedBusyAndStoredUnmounted) {
    ScratchImage first("first.img");
    ScratchImage second("second.img");
    ASSERT_TRUE(first.IsReady() && second.IsReady());
    ASSERT_EQ(StoreRecord({"first.img", first.Path(), letters_[0], 0, true, true}), ERROR_SUCCESS);
    ASSERT_EQ(StoreRecord({"second.img", second.Path(), letters_[0], 0, true, true}), ERROR_SUCCESS);
    const auto order = StoredValues();
    ASSERT_EQ(order.size(), 2u);

    RunQuietLogonRestore();

    EXPECT_TRUE(DriveListed(letters_[0]));
    EXPECT_EQ(Stored(order[0].name).mounted, 1);
    EXPECT_EQ(Stored(order[1].name).mounted, 0);
    MvStandInState state;
    ASSERT_TRUE(ReadStandInState(kFamilyHardDisk, 0, &state));
    EXPECT_EQ(std::string(state.imageName, state.nameLength), KernelPathOf(ImagePathOf(Stored(order[0].name))));
    ExpectSingleLogEntry(ReadActivityLog(), std::string(1, letters_[0]) + ": " + SystemText(ERROR_BUSY));
}

TEST_F(LogonRestoreWithDriver, DeletedImageIsLoggedAndLeavesNoLetter) {
    ScratchImage image("gone.iso");
    ASSERT_TRUE(image.IsReady());
    ASSERT_EQ(StoreRecord({"gone.iso", image.Path(), letters_[0], 3, true, true}), ERROR_SUCCESS);
    ASSERT_TRUE(image.Delete());

    RunQuietLogonRestore();

    EXPECT_FALSE(DriveListed(letters_[0]));
    char target[MAX_PATH];
    const char name[] = {letters_[0], ':', '\0'};
    EXPECT_EQ(QueryDosDeviceA(name, target, MAX_PATH), 0u) << target;
    EXPECT_EQ(Stored("gone.iso").mounted, 0);
    ExpectSingleLogEntry(ReadActivityLog(), kTextImageNotAccessible);
}

TEST_F(LogonRestoreWithDriver, LaterRestoreAppendsToTheLog) {
    ScratchImage image("gone.iso");
    ASSERT_TRUE(image.IsReady());
    ASSERT_EQ(StoreRecord({"gone.iso", image.Path(), letters_[0], 3, true, true}), ERROR_SUCCESS);
    ASSERT_TRUE(image.Delete());
    RunQuietLogonRestore();
    const std::string firstLog = ReadActivityLog();
    ASSERT_FALSE(firstLog.empty());

    // The failure is not repeated: the record is no longer marked mounted.
    RunQuietLogonRestore();
    EXPECT_EQ(ReadActivityLog(), firstLog);

    ASSERT_EQ(StoreRecord({"gone.iso", image.Path(), letters_[0], 3, true, true}), ERROR_SUCCESS);
    RunQuietLogonRestore();
    const std::string log = ReadActivityLog();
    ASSERT_GT(log.size(), firstLog.size());
    EXPECT_EQ(log.substr(0, firstLog.size()), firstLog);
    ExpectSingleLogEntry(log.substr(firstLog.size()), kTextImageNotAccessible);
}
