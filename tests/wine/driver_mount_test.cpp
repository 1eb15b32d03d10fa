// Binding a drive letter and attaching an image, end to end through the
// stand-in driver: what the driver receives, what the system and the shell
// see, and the one message of each failure with no letter left behind.
#include <windows.h>
#include <gtest/gtest.h>
#include <shlobj.h>

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

class DriverMountTest : public StandInTest {
protected:
    MountRequest RequestFor(const std::string& imagePath, bool readOnly) const {
        return MountRequest{letter_, kFamilyHardDisk, 0, readOnly, KernelImagePath(imagePath)};
    }

    // The one box a failure shows, from the test program (its title).
    void ExpectOneBox(const MessageBoxWatcher& watcher, const std::string& text) const {
        const auto seen = watcher.Seen();
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].text, text);
        EXPECT_EQ(seen[0].caption, kTestProgramCaption);
        EXPECT_TRUE(seen[0].hasOk && !seen[0].hasYes && !seen[0].hasNo && !seen[0].hasCancel);
    }

    std::string Define() const { return "define " + DosDeviceName(letter_); }
    std::string Remove() const { return "remove " + DosDeviceName(letter_); }
    using Steps = std::vector<std::string>;

    void ExpectNoDefinition() const {
        EXPECT_FALSE(DriveListed(letter_));
        char target[MAX_PATH];
        EXPECT_FALSE(QueryDosDeviceA(DosDeviceName(letter_).c_str(), target, MAX_PATH)) << target;
    }
};

// Wine serves \\server\share\ from dosdevices\unc\server\share in its
// prefix: make that folder and answer the share's path, or say why not.
std::string MakeWineShare(std::string* why) {
    char prefix[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA("WINEPREFIX", prefix, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return *why = "WINEPREFIX is not set", std::string();
    using ToDosName = WCHAR*(CDECL*)(const char*);
    const auto toDos = reinterpret_cast<ToDosName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_dos_file_name")));
    if (!toDos) return *why = "not running under Wine", std::string();
    WCHAR* folder = toDos((std::string(prefix) + "/dosdevices/unc/mvserver/share").c_str());
    if (!folder) return *why = "no DOS name for the prefix", std::string();
    const int made = SHCreateDirectoryExW(nullptr, folder, nullptr);
    HeapFree(GetProcessHeap(), 0, folder);
    if (made != ERROR_SUCCESS && made != ERROR_ALREADY_EXISTS)
        return *why = "cannot make the share folder: error " + std::to_string(made), std::string();
    return "\\\\mvserver\\share\\";
}

uint32_t OpenHandles(int family, uint32_t number) {
    MvStandInState state;
    return ReadStandInState(family, number, &state) ? state.openHandles : 0xFFFFFFFFu;
}

}  // namespace

TEST_F(DriverMountTest, AttachesEachFamilyAndTellsTheShell) {
    const struct {
        int family;
        uint32_t number;
        bool readOnly;
    } cases[] = {
        {kFamilyHardDisk, 0, false},
        {kFamilyCdDvd, 1, false},
        {kFamilyFloppy, 3, true},
        {kFamilyHardDisk, 2, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(DeviceObjectName(c.family, c.number));
        ScratchImage image;
        ASSERT_TRUE(image.IsReady());
        const std::string kernelPath = KernelImagePath(image.Path());
        const MountRequest request = RequestFor(image.Path(), c.readOnly);
        const uint32_t handlesBefore = OpenHandles(c.family, c.number);
        {
            MessageBoxWatcher watcher;
            RecordCoreRequests();

            ASSERT_EQ(DriverMount(OnDevice(request, c.family, c.number), ProgramApp()), DriverResult::Done);

            EXPECT_TRUE(watcher.Seen().empty());
            EXPECT_EQ(recorder_->Steps(), (Steps{"open failed", Define(), "open", "attach", "close", "notice"}));
            const auto definitions = recorder_->Definitions();
            ASSERT_EQ(definitions.size(), 1u);
            EXPECT_EQ(definitions[0].flags, static_cast<DWORD>(DDD_RAW_TARGET_PATH));
            EXPECT_EQ(definitions[0].name, DosDeviceName(letter_));
            EXPECT_EQ(definitions[0].target, DeviceObjectName(c.family, c.number));
            const auto opens = recorder_->Opens();
            ASSERT_EQ(opens.size(), 2u) << "the in-use check, then the defined letter";
            for (const RecordedOpen& open : opens) {
                EXPECT_EQ(open.path, VolumePath(letter_));
                EXPECT_EQ(open.access, static_cast<DWORD>(GENERIC_READ | GENERIC_WRITE));
                EXPECT_EQ(open.shareMode, static_cast<DWORD>(FILE_SHARE_READ | FILE_SHARE_WRITE));
                EXPECT_EQ(open.disposition, static_cast<DWORD>(OPEN_EXISTING));
                EXPECT_EQ(open.flags, static_cast<DWORD>(FILE_FLAG_NO_BUFFERING));
            }
            EXPECT_FALSE(opens[0].succeeded);
            EXPECT_TRUE(opens[1].succeeded);
            const auto controls = recorder_->Controls();
            ASSERT_EQ(controls.size(), 1u);
            EXPECT_EQ(controls[0].code, MV_IOCTL_ATTACH_IMAGE);
            EXPECT_EQ(controls[0].inputLength, kernelPath.size() + 15);
            EXPECT_EQ(controls[0].input, BuildAttachRequest(kernelPath, letter_, c.readOnly));
            EXPECT_EQ(controls[0].outputLength, 0u);
            const auto notices = recorder_->ShellNotices();
            ASSERT_EQ(notices.size(), 1u);
            EXPECT_EQ(notices[0].event, SHCNE_DRIVEADD);
            EXPECT_EQ(notices[0].flags, static_cast<UINT>(SHCNF_PATHA));
            EXPECT_EQ(notices[0].path, ShellDrivePath(letter_));
            EXPECT_FALSE(notices[0].hasSecondItem);
        }
        EXPECT_TRUE(DriveListed(letter_));
        char target[MAX_PATH] = {};
        ASSERT_TRUE(QueryDosDeviceA(DosDeviceName(letter_).c_str(), target, MAX_PATH));
        EXPECT_STREQ(target, DeviceObjectName(c.family, c.number).c_str());

        MvStandInState state;
        ASSERT_TRUE(ReadStandInState(c.family, c.number, &state));
        EXPECT_EQ(state.attached, 1);
        EXPECT_EQ(state.readOnly, c.readOnly ? 1 : 0);
        EXPECT_EQ(state.driveLetter, letter_);
        EXPECT_EQ(std::string(state.imageName, state.nameLength), kernelPath);
        EXPECT_EQ(state.openHandles, handlesBefore) << "a handle outlived the call";

        uint8_t answer[kQueryAnswerSize];
        size_t returned = 0;
        ASSERT_EQ(DriverQuery(letter_, answer, &returned), DriverResult::Done);
        EXPECT_TRUE(AnswerNamesImage(answer, returned, kernelPath));

        RemoveStandInDriveLetter(letter_);
        ResetStandInDevice(c.family, c.number);
    }
}

// Every form of image path reaches the driver in the kernel's name space and
// comes back from the query as it was sent.
TEST_F(DriverMountTest, SendsTheKernelPathOfEveryPathForm) {
    ScratchImage rootImage("x.iso", 2048, "C:\\");
    ASSERT_TRUE(rootImage.IsReady()) << "C:\\x.iso exists already or cannot be made";
    std::string why;
    const std::string share = MakeWineShare(&why);
    if (share.empty()) GTEST_SKIP() << "no UNC share to test with: " << why;
    ScratchImage shared("mvimage-" + std::to_string(GetCurrentProcessId()) + ".iso", 512, share);
    ASSERT_TRUE(shared.IsReady()) << "cannot write to " << share;

    const struct {
        std::string imagePath;
        std::string kernelPath;
    } cases[] = {
        {"C:\\x.iso", "\\??\\C:\\x.iso"},
        {"\\??\\C:\\x.iso", "\\??\\C:\\x.iso"},
        {shared.Path(), "\\??\\UNC" + shared.Path().substr(1)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.imagePath);
        const MountRequest request = RequestFor(c.imagePath, false);
        {
            MessageBoxWatcher watcher;
            RecordCoreRequests();
            ASSERT_EQ(DriverMount(OnDevice(request, kFamilyCdDvd, 0), ProgramApp()), DriverResult::Done);
            EXPECT_TRUE(watcher.Seen().empty());
            ASSERT_EQ(recorder_->Controls().size(), 1u);
            EXPECT_EQ(recorder_->Controls()[0].inputLength, c.kernelPath.size() + 15);
        }
        MvStandInState state;
        ASSERT_TRUE(ReadStandInState(kFamilyCdDvd, 0, &state));
        EXPECT_EQ(std::string(state.imageName, state.nameLength), c.kernelPath);
        EXPECT_EQ(state.lastAttachInputLength, c.kernelPath.size() + 15);
        uint8_t answer[kQueryAnswerSize];
        size_t returned = 0;
        ASSERT_EQ(DriverQuery(letter_, answer, &returned), DriverResult::Done);
        EXPECT_TRUE(AnswerNamesImage(answer, returned, c.kernelPath));

        RemoveStandInDriveLetter(letter_);
        ResetStandInDevice(kFamilyCdDvd, 0);
    }
    EXPECT_EQ(std::string("\\??\\C:\\x.iso").size() + 15, 27u);
}

// Under Wine C: opens for reading and writing; Z:, Wine's view of the root
// directory, exists but refuses the open (error 5), like a drive that only
// administrators may open on Windows. Both are in use.
TEST_F(DriverMountTest, LetterInUseDefinesNothing) {
    ScratchImage image;
    ASSERT_TRUE(image.IsReady());
    const struct {
        char letter;
        std::vector<std::string> steps;
    } cases[] = {
        {'C', {"open", "close", "message"}},
        {'Z', {"open failed", "message"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.letter);
        const std::string name = DosDeviceName(c.letter);
        const MountRequest request{c.letter, kFamilyHardDisk, 0, false, KernelImagePath(image.Path())};
        char before[MAX_PATH] = {};
        ASSERT_TRUE(QueryDosDeviceA(name.c_str(), before, MAX_PATH));

        MessageBoxWatcher watcher;
        RecordCoreRequests();
        EXPECT_EQ(DriverMount(OnDevice(request, kFamilyCdDvd, 0), ProgramApp()), DriverResult::Failed);

        ExpectOneBox(watcher, std::string(1, c.letter) + ": " + SystemText(ERROR_BUSY));
        EXPECT_EQ(recorder_->Steps(), c.steps);
        char after[MAX_PATH] = {};
        ASSERT_TRUE(QueryDosDeviceA(name.c_str(), after, MAX_PATH));
        EXPECT_STREQ(after, before);
        MvStandInState state;
        ASSERT_TRUE(ReadStandInState(kFamilyCdDvd, 0, &state));
        EXPECT_EQ(state.attachRequests, 0u);
    }
}

// A letter whose definition outlived its device (the driver was stopped)
// is not in use: binding it is tried. Windows stacks the new definition on
// the stale one; Wine 8 refuses to define a name twice, so the definition
// step fails and is reported.
TEST_F(DriverMountTest, LetterOfAVanishedDeviceIsNotInUse) {
    ScratchImage image;
    ASSERT_TRUE(image.IsReady());
    ASSERT_TRUE(DefineDosDeviceA(DDD_RAW_TARGET_PATH, DosDeviceName(letter_).c_str(), "\\Device\\MV_FileDisk\\Gone"));
    const MountRequest request = RequestFor(image.Path(), false);
    MessageBoxWatcher watcher;
    RecordCoreRequests();
    EXPECT_EQ(DriverMount(OnDevice(request, kFamilyCdDvd, 0), ProgramApp()), DriverResult::Failed);
    EXPECT_EQ(recorder_->Steps(), (Steps{"open failed", Define() + " failed", "message"}));
    ASSERT_EQ(watcher.Seen().size(), 1u);
    EXPECT_EQ(watcher.Seen()[0].text.rfind(std::string(1, letter_) + ": ", 0), 0u) << watcher.Seen()[0].text;
}

TEST_F(DriverMountTest, StoppedDriverShowsDriverMissing) {
    ScratchImage image;
    ASSERT_TRUE(image.IsReady());
    const MountRequest request = RequestFor(image.Path(), false);
    std::string why;
    ASSERT_TRUE(StopStandInDriver(&why)) << why;

    MessageBoxWatcher watcher;
    RecordCoreRequests();
    EXPECT_EQ(DriverMount(OnDevice(request, kFamilyHardDisk, 0), ProgramApp()), DriverResult::Failed);
    ExpectOneBox(watcher, DriverMissingMessage());
    EXPECT_EQ(recorder_->Steps(), (Steps{"open failed", Define(), "open failed", "message", Remove()}));
    EXPECT_EQ(recorder_->Opens().back().error, static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
    ExpectNoDefinition();
}

// Wine opens a device whose driver refuses the open; the recorder reports
// the refusal as Windows does (ERROR_FILE_NOT_FOUND).
TEST_F(DriverMountTest, NumberPastTheDriversSetShowsTooManyDevices) {
    ScratchImage image;
    ASSERT_TRUE(image.IsReady());
    const MountRequest request = RequestFor(image.Path(), false);
    for (int family : {kFamilyHardDisk, kFamilyCdDvd, kFamilyFloppy}) {
        SCOPED_TRACE(family);
        MessageBoxWatcher watcher;
        RecordCoreRequests();
        EXPECT_EQ(DriverMount(OnDevice(request, family, MV_STANDIN_SERVED_DEVICES), ProgramApp()),
                  DriverResult::Failed);
        ExpectOneBox(watcher, TooManyDevicesMessage());
        EXPECT_EQ(recorder_->Steps(), (Steps{"open failed", Define(), "open failed", "message", Remove()}));
        ExpectNoDefinition();
    }
}

TEST_F(DriverMountTest, VanishedImageShowsImageNotAccessible) {
    ScratchImage image;
    ASSERT_TRUE(image.IsReady());
    const MountRequest request = RequestFor(image.Path(), false);
    ASSERT_TRUE(image.Delete());
    const uint32_t handlesBefore = OpenHandles(kFamilyFloppy, 1);

    MessageBoxWatcher watcher;
    RecordCoreRequests();
    EXPECT_EQ(DriverMount(OnDevice(request, kFamilyFloppy, 1), ProgramApp()), DriverResult::Failed);

    ExpectOneBox(watcher, kTextImageNotAccessible);
    EXPECT_EQ(recorder_->Steps(),
              (Steps{"open failed", Define(), "open", "attach failed", "message", Remove(), "close"}));
    const auto definitions = recorder_->Definitions();
    ASSERT_EQ(definitions.size(), 2u);
    EXPECT_EQ(definitions[1].flags, static_cast<DWORD>(DDD_REMOVE_DEFINITION));
    EXPECT_TRUE(definitions[1].target.empty());
    ExpectNoDefinition();
    MvStandInState state;
    ASSERT_TRUE(ReadStandInState(kFamilyFloppy, 1, &state));
    EXPECT_EQ(state.attached, 0);
    EXPECT_EQ(state.openHandles, handlesBefore) << "a handle outlived the call";
}

// Any other refusal of the attach shows the system's text after the
// driver's name.
TEST_F(DriverMountTest, BusyDeviceShowsTheSystemText) {
    ScratchImage first;
    ScratchImage second;
    ASSERT_TRUE(first.IsReady() && second.IsReady());
    const MountRequest firstRequest = RequestFor(first.Path(), false);
    ASSERT_EQ(DriverMount(OnDevice(firstRequest, kFamilyCdDvd, 2), ProgramApp()), DriverResult::Done);
    RemoveStandInDriveLetter(letter_);
    ASSERT_FALSE(DriveListed(letter_));

    MessageBoxWatcher watcher;
    const MountRequest secondRequest = RequestFor(second.Path(), false);
    RecordCoreRequests();
    EXPECT_EQ(DriverMount(OnDevice(secondRequest, kFamilyCdDvd, 2), ProgramApp()), DriverResult::Failed);
    ExpectOneBox(watcher, "MV_FileDisk: " + SystemText(ERROR_BUSY));
    EXPECT_EQ(recorder_->Steps(),
              (Steps{"open failed", Define(), "open", "attach failed", "message", Remove(), "close"}));
    ExpectNoDefinition();
}

// A letter outside A to Z is refused before anything is opened or bound.
TEST_F(DriverMountTest, LetterOutsideAToZIsNeverBound) {
    ScratchImage image;
    ASSERT_TRUE(image.IsReady());
    for (char letter : {'a', '@', '[', '1', '\\'}) {
        SCOPED_TRACE(letter);
        const MountRequest request{letter, kFamilyHardDisk, 0, false, KernelImagePath(image.Path())};
        const char name[] = {letter, ':', '\0'};
        char target[MAX_PATH];
        const bool definedBefore = QueryDosDeviceA(name, target, MAX_PATH);

        MessageBoxWatcher watcher;
        RecordCoreRequests();
        EXPECT_EQ(DriverMount(OnDevice(request, kFamilyCdDvd, 0), ProgramApp()), DriverResult::Failed);
        // Named by a letter that cannot end or garble the text.
        ExpectOneBox(watcher, "?: " + SystemText(ERROR_INVALID_DRIVE));
        EXPECT_EQ(recorder_->Steps(), Steps{"message"});
        EXPECT_EQ(QueryDosDeviceA(name, target, MAX_PATH) != 0, definedBefore);
    }
}
