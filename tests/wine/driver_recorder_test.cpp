// The import interception that the driver-level tests see the plug-in
// through: it must catch the calls of the test program's own core and of the
// loaded plug-in, put everything back, and change nothing it is not told to.
#include <windows.h>
#include <gtest/gtest.h>
#include <winioctl.h>

#include "driver/DeviceNames.h"
#include "driver/Driver.h"
#include "driver/DriverProtocol.h"
#include "driver/ImageInfo.h"
#include "driver/KernelPath.h"
#include "harness/Plugin.h"
#include "harness/ScratchImage.h"
#include "harness/StandInDriver.h"
#include "harness/StoredRecords.h"
#include "support/DriverRequestRecorder.h"
#include "support/StandInFixture.h"
#include "win32/UniqueHandle.h"

using namespace morvane;
using namespace morvane::test;

namespace {

class Recorder : public StandInTest {
protected:
    void Bind(int family, uint32_t number) {
        ASSERT_TRUE(DefineDosDeviceA(DDD_RAW_TARGET_PATH, DosDeviceName(letter_).c_str(),
                                     DeviceObjectName(family, number).c_str()));
    }

    // Binds the letter to CD/DVD device 0 with `image` attached.
    void BindAttached(const std::string& imagePath) {
        Bind(kFamilyCdDvd, 0);
        const win32::FileHandle volume(CreateFileA(VolumePath(letter_).c_str(), GENERIC_READ | GENERIC_WRITE,
                                                   FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                                   nullptr));
        ASSERT_TRUE(volume);
        std::vector<uint8_t> request = BuildAttachRequest(KernelImagePath(imagePath), letter_, false);
        DWORD returned = 0;
        ASSERT_TRUE(DeviceIoControl(volume.Get(), MV_IOCTL_ATTACH_IMAGE, request.data(),
                                    static_cast<DWORD>(request.size()), nullptr, 0, &returned, nullptr));
    }

    win32::FileHandle OpenVolume() const {
        return win32::FileHandle(CreateFileA(VolumePath(letter_).c_str(), GENERIC_READ | GENERIC_WRITE,
                                             FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
    }
};

BOOL Control(HANDLE volume, DWORD code) {
    DWORD returned = 0;
    return DeviceIoControl(volume, code, nullptr, 0, nullptr, 0, &returned, nullptr);
}

int g_replacementCalls = 0;
DWORD WINAPI CountingGetVersion() {
    ++g_replacementCalls;
    return 0;
}

// GCC loads an import slot once per function and keeps it: a call in the
// function that patches may still reach the old target.
__attribute__((noinline)) DWORD CallGetVersion() { return GetVersion(); }

}  // namespace

TEST_F(Recorder, SeesTheTestProgramsCoreAndLetsGoAgain) {
    ScratchImage image;
    ASSERT_TRUE(image.IsReady());
    BindAttached(image.Path());
    uint8_t answer[kQueryAnswerSize];
    size_t returned = 0;
    {
        DriverRequestRecorder recorder(GetModuleHandleA(nullptr));
        ASSERT_TRUE(recorder.IsActive()) << recorder.Why();
        ASSERT_EQ(DriverQuery(letter_, answer, &returned), DriverResult::Done);

        const auto opens = recorder.Opens();
        ASSERT_EQ(opens.size(), 1u);
        EXPECT_EQ(opens[0].path, VolumePath(letter_));
        EXPECT_EQ(opens[0].access, static_cast<DWORD>(GENERIC_READ));
        EXPECT_TRUE(opens[0].succeeded);
        ASSERT_EQ(recorder.ControlCodes(), std::vector<DWORD>{MV_IOCTL_QUERY_IMAGE});
        EXPECT_EQ(recorder.Controls()[0].outputLength, kQueryAnswerSize);
        EXPECT_TRUE(recorder.Controls()[0].succeeded);
    }
    DriverRequestRecorder later(GetModuleHandleA(nullptr));
    ASSERT_TRUE(later.IsActive());
    later.Clear();
    ASSERT_EQ(DriverQuery(letter_, answer, &returned), DriverResult::Done);
    EXPECT_EQ(later.Opens().size(), 1u) << "a removed recorder still records, or the new one is not called";
}

TEST_F(Recorder, SeesTheLoadedPlugin) {
    ScratchImage image;
    ASSERT_TRUE(image.IsReady());
    BindAttached(image.Path());
    // A record stored as mounted on the letter: the refresh asks the driver.
    ASSERT_EQ(StoreRecord({"disk.iso", image.Path(), letter_, kModeCdDvd, true}), ERROR_SUCCESS);

    LoadedPlugin plugin;
    ASSERT_TRUE(plugin.IsLoaded());
    DriverRequestRecorder recorder(plugin.Handle());
    ASSERT_TRUE(recorder.IsActive()) << recorder.Why();
    plugin.Fs().FsInit(1, nullptr, nullptr, nullptr);

    std::vector<DWORD> volumeAccess;
    for (const RecordedOpen& open : recorder.Opens())
        if (open.path == VolumePath(letter_)) volumeAccess.push_back(open.access);
    EXPECT_EQ(volumeAccess, std::vector<DWORD>{GENERIC_READ});
    bool queried = false;
    for (const RecordedControl& control : recorder.Controls())
        queried = queried || (control.code == MV_IOCTL_QUERY_IMAGE && control.succeeded);
    EXPECT_TRUE(queried);
}

TEST_F(Recorder, FailsLocksOnlyWhenTold) {
    Bind(kFamilyCdDvd, 0);
    DriverRequestRecorder recorder(GetModuleHandleA(nullptr));
    ASSERT_TRUE(recorder.IsActive()) << recorder.Why();
    const win32::FileHandle volume = OpenVolume();
    ASSERT_TRUE(volume);

    EXPECT_TRUE(Control(volume.Get(), FSCTL_LOCK_VOLUME));
    for (DWORD error : {DWORD{ERROR_ACCESS_DENIED}, DWORD{ERROR_SHARING_VIOLATION}}) {
        recorder.FailLocks(error);
        SetLastError(0xdeadbeef);
        EXPECT_FALSE(Control(volume.Get(), FSCTL_LOCK_VOLUME));
        EXPECT_EQ(GetLastError(), error);
    }
    recorder.FailLocks(0);
    EXPECT_TRUE(Control(volume.Get(), FSCTL_LOCK_VOLUME));

    const auto controls = recorder.Controls();
    ASSERT_EQ(controls.size(), 4u);
    EXPECT_TRUE(controls[0].succeeded);
    EXPECT_EQ(controls[1].error, static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(controls[2].error, static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    EXPECT_TRUE(controls[3].succeeded);
}

// Wine reports a failed dismount after passing it on; with the driver's
// count as proof, the recorder reports what Windows would.
TEST_F(Recorder, DismountThatReachedTheDriverSucceeds) {
    Bind(kFamilyCdDvd, 0);
    DriverRequestRecorder recorder(GetModuleHandleA(nullptr));
    ASSERT_TRUE(recorder.IsActive()) << recorder.Why();
    const win32::FileHandle volume = OpenVolume();
    ASSERT_TRUE(volume);
    SetLastError(0xdeadbeef);
    EXPECT_TRUE(Control(volume.Get(), FSCTL_DISMOUNT_VOLUME)) << GetLastError();
    MvStandInState state;
    ASSERT_TRUE(ReadStandInState(volume.Get(), &state));
    EXPECT_EQ(state.dismountRequests, 1u);
    ASSERT_EQ(recorder.Controls().size(), 1u) << "the recorder's own state reads must not be recorded";
}

// Wine opens a device whose driver refused the open; Windows reports
// ERROR_FILE_NOT_FOUND, and so does the recorder.
TEST_F(Recorder, RefusedDeviceOpenFailsAsOnWindows) {
    Bind(kFamilyHardDisk, MV_STANDIN_SERVED_DEVICES);
    DriverRequestRecorder recorder(GetModuleHandleA(nullptr));
    ASSERT_TRUE(recorder.IsActive()) << recorder.Why();
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(OpenVolume());
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    ASSERT_EQ(recorder.Opens().size(), 1u);
    EXPECT_EQ(recorder.Opens()[0].error, static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST_F(Recorder, OnlyOneRecordsAtATime) {
    DriverRequestRecorder first(GetModuleHandleA(nullptr));
    ASSERT_TRUE(first.IsActive());
    DriverRequestRecorder second(GetModuleHandleA(nullptr));
    EXPECT_FALSE(second.IsActive());
    EXPECT_FALSE(second.Why().empty());
    Bind(kFamilyCdDvd, 0);
    EXPECT_TRUE(OpenVolume());
    EXPECT_EQ(first.Opens().size(), 1u);
}

TEST(ImportPatch, ReplacesOnlyWhatTheModuleImportsAndRestoresIt) {
    const HMODULE self = GetModuleHandleA(nullptr);
    {
        ImportPatch patch(self, "kernel32.dll", "GetVersion", reinterpret_cast<const void*>(&CountingGetVersion));
        ASSERT_TRUE(patch.IsApplied());
        const auto system = GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetVersion");
        EXPECT_EQ(patch.Original(), reinterpret_cast<const void*>(system));
        g_replacementCalls = 0;
        EXPECT_EQ(CallGetVersion(), 0u);
        EXPECT_EQ(g_replacementCalls, 1);
    }
    g_replacementCalls = 0;
    EXPECT_NE(CallGetVersion(), 0u);
    EXPECT_EQ(g_replacementCalls, 0);

    EXPECT_FALSE(ImportPatch(self, "kernel32.dll", "NoSuchFunction", nullptr).IsApplied());
    EXPECT_FALSE(ImportPatch(self, "user32.dll", "GetVersion", nullptr).IsApplied());
    EXPECT_FALSE(ImportPatch(nullptr, "kernel32.dll", "GetVersion", nullptr).IsApplied());
}
