#include "support/StandInFixture.h"

#include <algorithm>
#include <string>

#include "harness/DriveLetters.h"
#include "harness/StandInDriver.h"

namespace morvane::test {
namespace {

void ResetServedDevices() {
    for (int family : {kFamilyHardDisk, kFamilyCdDvd, kFamilyFloppy})
        for (uint32_t number = 0; number < MV_STANDIN_SERVED_DEVICES; ++number) ResetStandInDevice(family, number);
}

}  // namespace

void StandInTest::SetUp() {
    BuiltinTextsTest::SetUp();
    if (HasFatalFailure()) return;
    std::string why;
    ASSERT_TRUE(EnsureStandInDriverRunning(&why)) << "the stand-in driver does not run: " << why;
    ResetServedDevices();
    const std::vector<char> letters = FreeLetters(1);
    ASSERT_EQ(letters.size(), 1u) << "no free drive letter";
    letter_ = letters[0];
}

void StandInTest::TearDown() {
    // The recorder would see the clean-up's own requests.
    recorder_.reset();
    for (char letter : givenLetters_) RemoveStandInDriveLetter(letter);
    // A test may have stopped the driver; emptying its devices needs it.
    std::string why;
    EXPECT_TRUE(EnsureStandInDriverRunning(&why)) << why;
    ResetServedDevices();
    BuiltinTextsTest::TearDown();
}

std::vector<char> StandInTest::FreeLetters(size_t count) {
    std::vector<char> letters;
    // Z: is Wine's view of the root directory.
    for (char letter = 'Y'; letter >= 'D' && letters.size() < count; --letter) {
        const bool given = std::find(givenLetters_.begin(), givenLetters_.end(), letter) != givenLetters_.end();
        if (!given && !DriveListed(letter) && !DriveDefined(letter)) letters.push_back(letter);
    }
    givenLetters_.insert(givenLetters_.end(), letters.begin(), letters.end());
    return letters;
}

void StandInTest::RecordCoreRequests() {
    // Only one recorder may be alive: the old one goes before the new one comes.
    recorder_.reset();
    recorder_ = std::make_unique<DriverRequestRecorder>(GetModuleHandleA(nullptr));
    ASSERT_TRUE(recorder_->SeesSteps() && recorder_->SeesShell()) << recorder_->Why();
}

}  // namespace morvane::test
