// Asking a drive letter which image it serves: read-only, silent, and an
// answer counts only from 16 bytes on.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "driver/DeviceNames.h"
#include "driver/Driver.h"
#include "driver/DriverProtocol.h"
#include "driver/ImageInfo.h"
#include "driver/KernelPath.h"
#include "harness/ScratchImage.h"
#include "harness/StandInDriver.h"
#include "support/DriverRequestRecorder.h"
#include "support/MessageBoxWatcher.h"
#include "support/ProgramApp.h"
#include "support/StandInFixture.h"

using namespace morvane;
using namespace morvane::test;

namespace {

constexpr uint8_t kJunk = 0xA5;
constexpr size_t kCanary = 8;

class DriverQueryTest : public StandInTest {
protected:
    void Mount() {
        ASSERT_TRUE(image_.IsReady());
        kernelPath_ = KernelImagePath(image_.Path());
        const MountRequest request{letter_, kFamilyHardDisk, 0, true, kernelPath_};
        ASSERT_EQ(DriverMount(OnDevice(request, kFamilyFloppy, 3), ProgramApp()), DriverResult::Done);
    }

    // Queries with a junk-filled answer followed by canary bytes.
    DriverResult Query(size_t* returned) {
        std::memset(answer_, kJunk, sizeof answer_);
        *returned = 0xdeadbeef;
        return DriverQuery(letter_, answer_, returned);
    }
    bool CanaryIntact() const {
        for (size_t i = kQueryAnswerSize; i < sizeof answer_; ++i)
            if (answer_[i] != kJunk) return false;
        return true;
    }

    ScratchImage image_;
    std::string kernelPath_;
    uint8_t answer_[kQueryAnswerSize + kCanary];
};

}  // namespace

TEST_F(DriverQueryTest, AnswersTheAttachedImageThroughAReadOnlyOpen) {
    Mount();
    MessageBoxWatcher watcher;
    RecordCoreRequests();
    size_t returned = 0;
    ASSERT_EQ(Query(&returned), DriverResult::Done);
    EXPECT_EQ(recorder_->Steps(), (std::vector<std::string>{"open", "query", "close"}));

    EXPECT_EQ(returned, kImageInfoFixedSize + kernelPath_.size() + 1);
    EXPECT_TRUE(AnswerNamesImage(answer_, returned, kernelPath_));
    EXPECT_TRUE(CanaryIntact());
    const auto opens = recorder_->Opens();
    ASSERT_EQ(opens.size(), 1u);
    EXPECT_EQ(opens[0].access, static_cast<DWORD>(GENERIC_READ));
    EXPECT_EQ(opens[0].shareMode, static_cast<DWORD>(FILE_SHARE_READ | FILE_SHARE_WRITE));
    EXPECT_EQ(opens[0].disposition, static_cast<DWORD>(OPEN_EXISTING));
    EXPECT_EQ(opens[0].flags, static_cast<DWORD>(FILE_FLAG_NO_BUFFERING));
    const auto controls = recorder_->Controls();
    ASSERT_EQ(controls.size(), 1u);
    EXPECT_EQ(controls[0].code, MV_IOCTL_QUERY_IMAGE);
    EXPECT_EQ(controls[0].inputLength, 0u);
    EXPECT_EQ(controls[0].outputLength, kQueryAnswerSize);
    EXPECT_TRUE(watcher.Seen().empty());
}

TEST_F(DriverQueryTest, AnswerCountsFromSixteenBytes) {
    Mount();
    const struct {
        uint32_t limit;
        DriverResult result;
        size_t returned;
    } cases[] = {{16, DriverResult::Done, 16}, {15, DriverResult::Failed, 0}, {1, DriverResult::Failed, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.limit);
        ASSERT_TRUE(LimitStandInAnswer(kFamilyFloppy, 3, c.limit));
        size_t returned = 0;
        SetLastError(0xdeadbeef);
        EXPECT_EQ(Query(&returned), c.result);
        EXPECT_EQ(returned, c.returned);
        if (c.result != DriverResult::Done) {
            EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
        }
        EXPECT_TRUE(CanaryIntact());
    }
}

// Nothing is reported; the last error tells why.
TEST_F(DriverQueryTest, FailsSilentlyWithTheCause) {
    MessageBoxWatcher watcher;
    size_t returned = 0;

    SetLastError(0xdeadbeef);
    EXPECT_EQ(Query(&returned), DriverResult::Failed);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND)) << "letter not defined";
    EXPECT_EQ(returned, 0u);

    // Bound, but nothing attached.
    ASSERT_TRUE(DefineDosDeviceA(DDD_RAW_TARGET_PATH, DosDeviceName(letter_).c_str(),
                                 DeviceObjectName(kFamilyFloppy, 3).c_str()));
    SetLastError(0xdeadbeef);
    EXPECT_EQ(Query(&returned), DriverResult::Failed);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_READY));
    EXPECT_EQ(returned, 0u);

    // A volume that is not the driver's refuses the request.
    uint8_t answer[kQueryAnswerSize];
    SetLastError(0xdeadbeef);
    EXPECT_EQ(DriverQuery('C', answer, &returned), DriverResult::Failed);
    EXPECT_NE(GetLastError(), 0xdeadbeefu);
    EXPECT_NE(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));

    SetLastError(0xdeadbeef);
    EXPECT_EQ(DriverQuery('a', answer, &returned), DriverResult::Failed);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_DRIVE));

    EXPECT_TRUE(watcher.Seen().empty());
}
