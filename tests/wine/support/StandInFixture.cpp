#include "support/StandInFixture.h"

#include "drive/DriveMessages.h"
#include "plugin/MorvaneApp.h"
#include "support/StandInDriver.h"
#include "win32/UniqueHandle.h"

namespace morvane::test {
namespace {

void ResetServedDevices() {
    for (int family : {kHardDiskFamily, kCdDvdFamily, kFloppyFamily})
        for (uint32_t number = 0; number < MV_STANDIN_SERVED_DEVICES; ++number) ResetStandInDevice(family, number);
}

}  // namespace

void StandInDriverTest::SetUp() {
    CleanRegistryTest::SetUp();
    std::string why;
    ASSERT_TRUE(EnsureStandInDriverRunning(&why)) << why;
    letter_ = FreeDriveLetter();
    ASSERT_NE(letter_, 0) << "no free drive letter";
    ResetServedDevices();
}

void StandInDriverTest::TearDown() {
    if (letter_) RemoveStandInDriveLetter(letter_);
    // A test may have stopped the driver; the next one needs it.
    std::string why;
    EXPECT_TRUE(EnsureStandInDriverRunning(&why)) << why;
    ResetServedDevices();
    CleanRegistryTest::TearDown();
}

std::string SystemMessageFor(const std::string& object, DWORD error) {
    char* buffer = nullptr;
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ALLOCATE_BUFFER,
                       nullptr, error, 0, reinterpret_cast<LPSTR>(&buffer), 0, nullptr);
    const win32::LocalMemory owner(buffer);
    return object + " " + (length && buffer ? std::string(buffer, length) : std::string());
}

std::string SpecialMessageFor(ReportContext context, DWORD error) {
    const auto special = SpecialDriveMessage(context, error, [](TextId id) { return App().LangText(id); });
    return special ? *special : std::string("(no special message)");
}

bool IsDriveDefined(char letter) { return (GetLogicalDrives() & (1u << (letter - 'A'))) != 0; }

}  // namespace morvane::test
