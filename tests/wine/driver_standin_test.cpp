// The stand-in driver itself: every driver-level test trusts what it records
// and answers, and the Wine differences it exposes are stated here.
#include <windows.h>
#include <gtest/gtest.h>
#include <winioctl.h>

#include <cstring>
#include <vector>

#include "driver/DeviceNames.h"
#include "driver/DriverProtocol.h"
#include "driver/ImageInfo.h"
#include "driver/KernelPath.h"
#include "harness/ScratchImage.h"
#include "harness/StandInDriver.h"
#include "support/StandInFixture.h"
#include "win32/UniqueHandle.h"

using namespace morvane;
using namespace morvane::test;

namespace {

class StandIn : public StandInTest {
protected:
    // Binds the letter to a device and opens its volume.
    win32::FileHandle Bind(int family, uint32_t number, DWORD access = GENERIC_READ | GENERIC_WRITE) {
        EXPECT_TRUE(DefineDosDeviceA(DDD_RAW_TARGET_PATH, DosDeviceName(letter_).c_str(),
                                     DeviceObjectName(family, number).c_str()));
        return Open(access);
    }
    win32::FileHandle Open(DWORD access) const {
        return win32::FileHandle(CreateFileA(VolumePath(letter_).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                             nullptr, OPEN_EXISTING, FILE_FLAG_NO_BUFFERING, nullptr));
    }
};

bool Send(HANDLE volume, DWORD code, const void* input, size_t inputLength, void* output = nullptr,
          DWORD outputLength = 0, DWORD* returned = nullptr) {
    DWORD bytes = 0xdeadbeef;
    const BOOL ok = DeviceIoControl(volume, code, const_cast<void*>(input), static_cast<DWORD>(inputLength), output,
                                    outputLength, &bytes, nullptr);
    if (returned) *returned = bytes;
    return ok != FALSE;
}

bool Attach(HANDLE volume, const std::vector<uint8_t>& request) {
    return Send(volume, MV_IOCTL_ATTACH_IMAGE, request.data(), request.size());
}

}  // namespace

TEST_F(StandIn, StartsOnceAndServesTheFirstNumbersOfEachFamily) {
    std::string why;
    EXPECT_TRUE(EnsureStandInDriverRunning(&why)) << why;
    for (int family : {kFamilyHardDisk, kFamilyCdDvd, kFamilyFloppy}) {
        for (uint32_t number : {0u, 3u, 4u, MV_STANDIN_DEVICE_NUMBERS - 1}) {
            SCOPED_TRACE(DeviceObjectName(family, number));
            MvStandInState state;
            ASSERT_TRUE(ReadStandInState(family, number, &state));
            EXPECT_EQ(state.served, number < MV_STANDIN_SERVED_DEVICES ? 1 : 0);
        }
        MvStandInState state;
        EXPECT_FALSE(ReadStandInState(family, MV_STANDIN_DEVICE_NUMBERS, &state));
    }
}

TEST_F(StandIn, KeepsAndAnswersTheAttachedNameUntilDetached) {
    ScratchImage image;
    ASSERT_TRUE(image.IsReady());
    const std::string kernelPath = KernelImagePath(image.Path());
    const win32::FileHandle volume = Bind(kFamilyCdDvd, 0);
    ASSERT_TRUE(volume) << GetLastError();

    ASSERT_TRUE(Attach(volume.Get(), BuildAttachRequest(kernelPath, letter_, true))) << GetLastError();
    MvStandInState state;
    ASSERT_TRUE(ReadStandInState(volume.Get(), &state));
    EXPECT_EQ(state.attached, 1);
    EXPECT_EQ(state.readOnly, 1);
    EXPECT_EQ(state.driveLetter, letter_);
    EXPECT_EQ(std::string(state.imageName, state.nameLength), kernelPath);
    EXPECT_EQ(state.lastAttachInputLength, kernelPath.size() + 15);

    uint8_t answer[kQueryAnswerSize + 4];
    std::memset(answer, 0xCC, sizeof answer);
    DWORD returned = 0;
    ASSERT_TRUE(Send(volume.Get(), MV_IOCTL_QUERY_IMAGE, nullptr, 0, answer, kQueryAnswerSize, &returned));
    EXPECT_EQ(returned, kImageInfoFixedSize + kernelPath.size() + 1);
    EXPECT_TRUE(AnswerNamesImage(answer, returned, kernelPath));
    EXPECT_EQ(answer[kQueryAnswerSize], 0xCC) << "wrote past the output buffer";

    // Another image while one is attached is refused.
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(Attach(volume.Get(), BuildAttachRequest(kernelPath, letter_, false)));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_BUSY));

    ASSERT_TRUE(Send(volume.Get(), MV_IOCTL_DETACH_IMAGE, nullptr, 0));
    EXPECT_FALSE(Send(volume.Get(), MV_IOCTL_QUERY_IMAGE, nullptr, 0, answer, kQueryAnswerSize));
    ASSERT_TRUE(ReadStandInState(volume.Get(), &state));
    EXPECT_EQ(state.attached, 0);
    EXPECT_EQ(state.queryRequests, 2u);
    EXPECT_EQ(state.detachRequests, 1u);
}

TEST_F(StandIn, RefusesAttachRequestsItCannotServe) {
    ScratchImage image;
    ASSERT_TRUE(image.IsReady());
    const std::string existing = KernelImagePath(image.Path());
    std::vector<uint8_t> claimsTooMuch = BuildAttachRequest(existing, 'Q', false);
    // The name length claims one byte more than the input holds after the
    // fixed part; the driver must not read past the input.
    const uint16_t tooLong = static_cast<uint16_t>(claimsTooMuch.size() - kImageInfoFixedSize + 1);
    std::memcpy(claimsTooMuch.data() + offsetof(FileDiskImageInfo, nameLength), &tooLong, sizeof tooLong);

    const struct {
        const char* what;
        std::vector<uint8_t> request;
        DWORD error;
    } cases[] = {
        {"missing file", BuildAttachRequest(KernelImagePath(image.Path() + ".gone"), 'Q', false), ERROR_FILE_NOT_FOUND},
        {"missing directory", BuildAttachRequest("\\??\\C:\\no-such-dir\\x.iso", 'Q', false), ERROR_PATH_NOT_FOUND},
        {"a directory", BuildAttachRequest("\\??\\C:\\windows", 'Q', false), ERROR_ACCESS_DENIED},
        {"name past the input", claimsTooMuch, ERROR_INVALID_PARAMETER},
        {"empty name", BuildAttachRequest("", 'Q', false), ERROR_INVALID_PARAMETER},
        {"short input", std::vector<uint8_t>(11, 0), ERROR_INVALID_PARAMETER},
    };
    const win32::FileHandle volume = Bind(kFamilyCdDvd, 0);
    ASSERT_TRUE(volume);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetLastError(0xdeadbeef);
        EXPECT_FALSE(Attach(volume.Get(), c.request));
        EXPECT_EQ(GetLastError(), c.error);
        MvStandInState state;
        ASSERT_TRUE(ReadStandInState(volume.Get(), &state));
        EXPECT_EQ(state.attached, 0);
        EXPECT_EQ(state.lastAttachInputLength, c.request.size());
    }
}

TEST_F(StandIn, QueryAnswerHonoursTheLimitAndTheOutputSize) {
    ScratchImage image;
    ASSERT_TRUE(image.IsReady());
    const std::string kernelPath = KernelImagePath(image.Path());
    const win32::FileHandle volume = Bind(kFamilyCdDvd, 0);
    ASSERT_TRUE(volume);
    ASSERT_TRUE(Attach(volume.Get(), BuildAttachRequest(kernelPath, letter_, false)));

    uint8_t answer[kQueryAnswerSize];
    DWORD returned = 0;
    ASSERT_TRUE(LimitStandInAnswer(kFamilyCdDvd, 0, 15));
    EXPECT_TRUE(Send(volume.Get(), MV_IOCTL_QUERY_IMAGE, nullptr, 0, answer, sizeof answer, &returned));
    EXPECT_EQ(returned, 15u);

    ASSERT_TRUE(LimitStandInAnswer(kFamilyCdDvd, 0, 0));
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(Send(volume.Get(), MV_IOCTL_QUERY_IMAGE, nullptr, 0, answer,
                      static_cast<DWORD>(kImageInfoFixedSize + kernelPath.size() - 1)));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
}

// The requests that need write access are refused on a read-only handle.
TEST_F(StandIn, ReadOnlyHandleCanQueryButNotAttach) {
    ScratchImage image;
    ASSERT_TRUE(image.IsReady());
    const win32::FileHandle volume = Bind(kFamilyCdDvd, 0, GENERIC_READ);
    ASSERT_TRUE(volume);
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(Attach(volume.Get(), BuildAttachRequest(KernelImagePath(image.Path()), letter_, false)));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
}

// Wine 8: lock and unlock are answered by Wine and never reach the driver; a
// dismount reaches it, yet the caller gets FALSE with error 66.
TEST_F(StandIn, WineDifferencesInVolumeRequests) {
    const win32::FileHandle volume = Bind(kFamilyCdDvd, 0);
    ASSERT_TRUE(volume);
    EXPECT_TRUE(Send(volume.Get(), FSCTL_LOCK_VOLUME, nullptr, 0));
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(Send(volume.Get(), FSCTL_DISMOUNT_VOLUME, nullptr, 0));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_BAD_DEV_TYPE));
    EXPECT_TRUE(Send(volume.Get(), FSCTL_UNLOCK_VOLUME, nullptr, 0));

    MvStandInState state;
    ASSERT_TRUE(ReadStandInState(volume.Get(), &state));
    EXPECT_EQ(state.lockRequests, 0u);
    EXPECT_EQ(state.unlockRequests, 0u);
    EXPECT_EQ(state.dismountRequests, 1u);
}

// Wine 8 completes the open of a device before the driver answers it, so the
// refused numbers still open; they serve nothing (see DriverRequestRecorder
// for how tests see the refusal as Windows reports it).
TEST_F(StandIn, WineOpensARefusedNumberThatServesNothing) {
    ScratchImage image;
    ASSERT_TRUE(image.IsReady());
    const win32::FileHandle volume = Bind(kFamilyFloppy, MV_STANDIN_SERVED_DEVICES);
    ASSERT_TRUE(volume) << "Wine now reports the refusal: error " << GetLastError();
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(Attach(volume.Get(), BuildAttachRequest(KernelImagePath(image.Path()), letter_, false)));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_FUNCTION));
}

TEST_F(StandIn, ClosedHandlesAreCountedOut) {
    MvStandInState before;
    ASSERT_TRUE(ReadStandInState(kFamilyCdDvd, 0, &before));
    {
        const win32::FileHandle volume = Bind(kFamilyCdDvd, 0);
        ASSERT_TRUE(volume);
        MvStandInState open;
        ASSERT_TRUE(ReadStandInState(kFamilyCdDvd, 0, &open));
        EXPECT_EQ(open.openHandles, before.openHandles + 1);
    }
    MvStandInState after;
    ASSERT_TRUE(ReadStandInState(kFamilyCdDvd, 0, &after));
    EXPECT_EQ(after.openHandles, before.openHandles);
}

TEST_F(StandIn, StoppingRemovesItsDevicesUntilStartedAgain) {
    ASSERT_TRUE(DefineDosDeviceA(DDD_RAW_TARGET_PATH, DosDeviceName(letter_).c_str(),
                                 DeviceObjectName(kFamilyHardDisk, 0).c_str()));
    std::string why;
    ASSERT_TRUE(StopStandInDriver(&why)) << why;
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(Open(GENERIC_READ | GENERIC_WRITE));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
    EXPECT_TRUE(StopStandInDriver(&why)) << why;

    ASSERT_TRUE(EnsureStandInDriverRunning(&why)) << why;
    EXPECT_TRUE(Open(GENERIC_READ | GENERIC_WRITE)) << GetLastError();
}
