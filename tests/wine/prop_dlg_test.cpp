// The properties dialog of the real plug-in, opened as the file manager opens
// an entry and worked as a user works it: read, picked, ticked, pressed.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "driver/DeviceNames.h"
#include "harness/DriveLetters.h"
#include "harness/FileBytes.h"
#include "harness/Plugin.h"
#include "harness/ScratchImage.h"
#include "harness/StandInDriver.h"
#include "harness/StoredRecords.h"
#include "res/ResourceIds.h"
#include "support/CodePageView.h"
#include "support/DialogScript.h"
#include "support/DriverRequestRecorder.h"
#include "support/MessageBoxWatcher.h"
#include "support/ProgramApp.h"
#include "support/StandInFixture.h"
#include "support/StoredLangSetting.h"

using namespace morvane;
using namespace morvane::test;
using uidriver::Step;
using uidriver::WindowState;

namespace {

// The mount button and Close.
constexpr int kMount = IDOK, kClose = IDCANCEL;

const uidriver::ControlState& ControlOf(const WindowState& window, int id) {
    static const uidriver::ControlState kMissing;
    const uidriver::ControlState* control = window.Control(id);
    EXPECT_NE(control, nullptr) << "no control " << id << " in " << window.caption;
    return control ? *control : kMissing;
}

bool Checked(const WindowState& window, int id) { return ControlOf(window, id).checked == BST_CHECKED; }
bool Enabled(const WindowState& window, int id) { return ControlOf(window, id).enabled; }
std::string Text(const WindowState& window, int id) { return ControlOf(window, id).text; }

// Every letter the system does not use, as the list shows it.
std::vector<std::string> FreeLetterEntries() {
    std::vector<std::string> entries;
    const DWORD used = GetLogicalDrives();
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        if (!(used & (1u << (letter - 'A')))) entries.push_back(std::string{letter, ':'});
    return entries;
}

// The plug-in speaks the shipped English; the stand-in driver serves what it
// mounts.
class PropertiesDialog : public StandInTest {
protected:
    void SetUp() override {
        StandInTest::SetUp();
        if (HasFatalFailure()) return;
        StoreLangSetting(REG_SZ, std::string("MV_eng.lng", 11));
        plugin_ = std::make_unique<LoadedPlugin>();
        ASSERT_TRUE(plugin_->IsLoaded());
        image_ = std::make_unique<ScratchImage>("x.iso");
        ASSERT_TRUE(image_->IsReady());
    }
    void TearDown() override {
        pluginRecorder_.reset();
        plugin_.reset();
        StandInTest::TearDown();
    }

    void Store(char letter, uint32_t mode, bool mounted = false) {
        ASSERT_EQ(StoreRecord({"x.iso", image_->Path(), letter, mode, mounted, false}), ERROR_SUCCESS);
    }
    CFileInfo Stored(const std::string& name = "x.iso") {
        const std::optional<CFileInfo> record = ReadRecord(name);
        EXPECT_TRUE(record) << name;
        return record ? *record : EmptyFileInfo();
    }
    // Makes a dismount through the plug-in that reached the driver succeed,
    // as on Windows.
    void RecordPluginRequests() {
        // Only one recorder may be alive.
        pluginRecorder_.reset();
        pluginRecorder_ = std::make_unique<DriverRequestRecorder>(plugin_->Handle());
        ASSERT_TRUE(pluginRecorder_->IsActive()) << pluginRecorder_->Why();
    }

    // Opens the entry as the file manager does; every window that came up,
    // and every snapshot the steps took, in order.
    std::vector<WindowState> Open(std::vector<Step> steps, const std::string& name = "x.iso") {
        DialogScript script(std::move(steps));
        std::string remote = "\\" + name, verb = "open";
        EXPECT_EQ(plugin_->Fs().FsExecuteFile(nullptr, remote.data(), verb.data()), 0);
        EXPECT_TRUE(script.StepsLeft().empty()) << "steps not taken";
        std::vector<WindowState> states;
        for (const uidriver::Event& event : script.Transcript())
            if (event.kind == uidriver::EventKind::Appeared || event.kind == uidriver::EventKind::Snapshot)
                states.push_back(InCodePage(event.state));
        return states;
    }

    // Loaded again by a test that changes the language, which is chosen at load.
    std::unique_ptr<LoadedPlugin> plugin_;
    std::unique_ptr<DriverRequestRecorder> pluginRecorder_;
    std::unique_ptr<ScratchImage> image_;
};

}  // namespace

TEST_F(PropertiesDialog, ModeCodesOpenAsTheirControlsAndAreStoredBack) {
    struct Case {
        uint32_t stored;
        int radio;
        bool readOnly;
        bool readOnlyEnabled;
        uint32_t saved;
    };
    const Case cases[] = {
        {0, IDC_MODE_HDD, false, true, 0}, {1, IDC_MODE_HDD, true, true, 1},  {2, IDC_MODE_CD, true, false, 3},
        {3, IDC_MODE_CD, true, false, 3},  {4, IDC_MODE_FDD, false, true, 4}, {5, IDC_MODE_FDD, true, true, 5},
        {6, IDC_MODE_HDD, false, true, 0}, {7, IDC_MODE_HDD, true, true, 1},  {0xFFFFFFFF, IDC_MODE_HDD, true, true, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        Store('Q', c.stored);
        const auto windows = Open({Step::Press(kClose)});
        ASSERT_EQ(windows.size(), 1u);
        for (int radio : {IDC_MODE_HDD, IDC_MODE_FDD, IDC_MODE_CD})
            EXPECT_EQ(Checked(windows[0], radio), radio == c.radio) << radio;
        EXPECT_EQ(Checked(windows[0], IDC_READ_ONLY), c.readOnly);
        EXPECT_EQ(Enabled(windows[0], IDC_READ_ONLY), c.readOnlyEnabled);
        EXPECT_EQ(Stored().mountMode, c.saved);
    }
}

TEST_F(PropertiesDialog, LeavingCdClearsReadOnlyAndSwitchingDisksKeepsIt) {
    Store('Q', 3);
    const auto states =
        Open({Step::Check(IDC_MODE_HDD), Step::Snapshot(), Step::Check(IDC_READ_ONLY), Step::Check(IDC_MODE_FDD),
              Step::Snapshot(), Step::Check(IDC_MODE_CD), Step::Snapshot(), Step::Press(kClose)});
    ASSERT_EQ(states.size(), 4u);
    EXPECT_FALSE(Checked(states[1], IDC_READ_ONLY));
    EXPECT_TRUE(Enabled(states[1], IDC_READ_ONLY));
    EXPECT_TRUE(Checked(states[2], IDC_READ_ONLY));
    EXPECT_TRUE(Enabled(states[2], IDC_READ_ONLY));
    EXPECT_TRUE(Checked(states[3], IDC_READ_ONLY));
    EXPECT_FALSE(Enabled(states[3], IDC_READ_ONLY));
    EXPECT_EQ(Stored().mountMode, 3u);
}

TEST_F(PropertiesDialog, OffersTheFreeLettersWithTheStoredOneOrElseTheLast) {
    const std::vector<std::string> free = FreeLetterEntries();
    ASSERT_GE(free.size(), 2u);
    struct Case {
        char stored;
        std::string selected;
    };
    const Case cases[] = {
        {free.front()[0], free.front()},
        {static_cast<char>(free.front()[0] - 'A' + 'a'), free.front()},
        {'C', free.back()},  // the system's own drive: not offered
        {'\0', free.back()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(1, c.stored ? c.stored : '0'));
        Store(c.stored, 3);
        const auto windows = Open({Step::Press(kClose)});
        ASSERT_EQ(windows.size(), 1u);
        const uidriver::ControlState& list = ControlOf(windows[0], IDC_LETTER);
        EXPECT_EQ(list.items, free);
        EXPECT_EQ(list.text, c.selected);
        // Close stores the letter the list showed.
        EXPECT_EQ(Stored().driveLetter, c.selected[0]);
    }
}

TEST_F(PropertiesDialog, CloseEscapeAndTheCloseBoxStoreTheSettings) {
    const std::string letter = FreeLetterEntries().front();
    for (const Step& close : {Step::Press(kClose), Step::Escape(), Step::Close()}) {
        SCOPED_TRACE(uidriver::StepText(close));
        Store('Q', 3);
        const auto windows =
            Open({Step::Pick(IDC_LETTER, letter), Step::Check(IDC_RESTORE), Step::Check(IDC_MODE_FDD), close});
        ASSERT_EQ(windows.size(), 1u);
        const CFileInfo record = Stored();
        EXPECT_EQ(record.driveLetter, letter[0]);
        EXPECT_EQ(record.restoreAtLogon, 1);
        EXPECT_EQ(record.mountMode, 4u);
        EXPECT_EQ(record.mounted, 0);
    }
}

TEST_F(PropertiesDialog, SwitchAsksAboutTheRecordedLetterAndOnlyFlipsTheRecord) {
    const std::string warning =
        "Attention!\r\nThis function does not affect the actual mounting of the image\r\nand is provided only to "
        "correct possible errors!\n";
    struct Case {
        bool mounted;
        int answer;
        std::string question;
        uint8_t after;
    };
    const std::string path = image_->Path();
    const Case cases[] = {
        {false, IDYES, warning + "Is image " + path + " really mounted as drive Q:?", 1},
        {true, IDYES, warning + "Is image " + path + " really NOT mounted as drive Q:?", 0},
        {false, IDNO, warning + "Is image " + path + " really mounted as drive Q:?", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.question);
        Store('Q', 3, c.mounted);
        RecordPluginRequests();
        DriverRequestRecorder& recorder = *pluginRecorder_;
        // Another letter picked first (the list is off while mounted): the
        // question is about the recorded one.
        std::vector<Step> steps = {Step::Press(IDC_SWITCH_STATE), Step::Answer(c.answer)};
        if (!c.mounted) steps.insert(steps.begin(), Step::Pick(IDC_LETTER, FreeLetterEntries().front()));
        if (c.answer == IDNO) steps.push_back(Step::Press(kClose));
        recorder.Clear();
        const auto windows = Open(steps);
        ASSERT_GE(windows.size(), 2u);
        EXPECT_EQ(windows[1].text, c.question);
        EXPECT_EQ(windows[1].icon, static_cast<UINT>(MB_ICONEXCLAMATION));
        const CFileInfo after = Stored();
        EXPECT_EQ(after.mounted, c.after);
        EXPECT_EQ(after.driveLetter, c.answer == IDYES || c.mounted ? 'Q' : FreeLetterEntries().front()[0]);
        for (const std::string& step : recorder.Steps()) {
            for (const char* request : {"attach", "detach", "define", "remove", "lock", "dismount"})
                EXPECT_EQ(step.find(request), std::string::npos) << "the switch asked the driver: " << step;
        }
    }
}

TEST_F(PropertiesDialog, TextsComeFromTheLanguageOfTheSetting) {
    struct Case {
        const char* setting;
        std::vector<std::pair<int, std::string>> texts;
    };
    // Russian: the template's own texts in Windows-1251.
    const std::vector<std::pair<int, std::string>> russian = {
        {0, "\xD1\xE2\xEE\xE9\xF1\xF2\xE2\xE0"},
        {kMount, "&\xCF\xEE\xE4\xEA\xEB\xFE\xF7\xE8\xF2\xFC"},
        {kClose, "\xC7\xE0\xEA\xF0\xFB\xF2\xFC"},
        {IDC_SWITCH_STATE, "\xCF\xE5&\xF0\xE5\xEA\xEB\xFE\xF7\xE8\xF2\xFC"},
        {IDC_MOUNT_STATE, "\xCE\xE1\xF0\xE0\xE7 \xEE\xF2\xEA\xEB\xFE\xF7\xB8\xED"},
        {IDC_PATH_LABEL, "\xCF&\xEE\xEB\xED\xFB\xE9 \xEF\xF3\xF2\xFC:"},
        {IDC_LETTER_LABEL, "&\xC1\xF3\xEA\xE2\xE0 \xE4\xE8\xF1\xEA\xE0:"},
        {IDC_MODE_GROUP, " \xD0\xE5\xE6\xE8\xEC \xEF\xEE\xE4\xEA\xEB\xFE\xF7\xE5\xED\xE8\xFF "},
        {IDC_RESTORE,
         "&\xC2\xEE\xF1\xF1\xF2\xE0\xED\xE0\xE2\xEB\xE8\xE2\xE0\xF2\xFC \xEF\xF0\xE8 "
         "\xEF\xE5\xF0\xE5\xE7\xE0\xE3\xF0\xF3\xE7\xEA\xE5"},
        {IDC_MODE_HDD, "&HDD"},
        {IDC_MODE_FDD, "&FDD"},
        {IDC_MODE_CD, "&CD/DVD"},
        {IDC_READ_ONLY, "\xD2\xEE\xEB\xFC\xEA\xEE &\xF7\xF2\xE5\xED\xE8\xE5"},
    };
    const Case cases[] = {
        {"<main> (Russian)", russian},
        {"MV_eng.lng",
         {{0, "Properties"},
          {kMount, "&Mount"},
          {kClose, "Close"},
          {IDC_SWITCH_STATE, "S&witch"},
          {IDC_MOUNT_STATE, "Image not mounted"},
          {IDC_PATH_LABEL, "Fu&ll path:"},
          {IDC_LETTER_LABEL, "&Drive letter:"},
          {IDC_MODE_GROUP, " Mount mode "},
          {IDC_RESTORE, "R&estore after reboot"},
          {IDC_MODE_HDD, "&HDD"},
          {IDC_MODE_FDD, "&FDD"},
          {IDC_MODE_CD, "&CD/DVD"},
          {IDC_READ_ONLY, "&Read only"}}},
        // Only the settings dialog's caption: nothing here changes.
        {"settings-only.lng", russian},
    };
    const std::string language = TestProgramDirectory() + "Language\\settings-only.lng";
    ASSERT_TRUE(WriteFileBytes(language, "100=Settings\r\n"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.setting);
        StoreLangSetting(REG_SZ, std::string(c.setting) + '\0');
        plugin_.reset();
        plugin_ = std::make_unique<LoadedPlugin>();
        Store('Q', 3);
        const auto windows = Open({Step::Press(kClose)});
        ASSERT_EQ(windows.size(), 1u);
        for (const auto& [id, text] : c.texts)
            EXPECT_EQ(id == 0 ? windows[0].caption : Text(windows[0], id), text) << id;
    }
    DeleteFileA(language.c_str());
}

namespace {

// A dismount through the plug-in succeeds as on Windows.
class PropertiesDialogMounting : public PropertiesDialog {
protected:
    void SetUp() override {
        PropertiesDialog::SetUp();
        if (HasFatalFailure()) return;
        RecordPluginRequests();
    }
    std::string Entry() const { return std::string{letter_, ':'}; }
};

}  // namespace

TEST_F(PropertiesDialogMounting, MountsOnThePickedLetterAndUnmountsFromTheMountedState) {
    Store('Q', 3);
    const auto mounting = Open({Step::Pick(IDC_LETTER, Entry()), Step::Check(IDC_RESTORE), Step::Press(kMount)});
    ASSERT_EQ(mounting.size(), 1u) << "nothing asked, dialog closed";
    CFileInfo record = Stored();
    EXPECT_EQ(record.mounted, 1);
    EXPECT_EQ(record.driveLetter, letter_);
    EXPECT_EQ(record.restoreAtLogon, 1);
    EXPECT_TRUE(DriveListed(letter_));
    MvStandInState device;
    ASSERT_TRUE(ReadStandInState(kFamilyCdDvd, 0, &device));
    EXPECT_EQ(device.attached, 1);

    // Opened again: mounted, its settings locked until it is unmounted.
    const auto unmounting = Open({Step::Uncheck(IDC_RESTORE), Step::Press(kMount)});
    ASSERT_EQ(unmounting.size(), 1u);
    const WindowState& shown = unmounting[0];
    EXPECT_EQ(Text(shown, IDC_MOUNT_STATE), "Image mounted");
    EXPECT_EQ(Text(shown, kMount), "&Unmount");
    for (int id :
         {IDC_LETTER, IDC_LETTER_LABEL, IDC_MODE_GROUP, IDC_MODE_HDD, IDC_MODE_FDD, IDC_MODE_CD, IDC_READ_ONLY})
        EXPECT_FALSE(Enabled(shown, id)) << id;
    for (int id : {IDC_RESTORE, IDC_SWITCH_STATE, kClose, kMount, IDC_PATH}) EXPECT_TRUE(Enabled(shown, id)) << id;
    record = Stored();
    EXPECT_EQ(record.mounted, 0);
    EXPECT_EQ(record.restoreAtLogon, 0);
    EXPECT_FALSE(DriveListed(letter_));
}

TEST_F(PropertiesDialogMounting, LetterHeldByAnotherImageIsFreedOnlyOnYes) {
    ScratchImage other("other.iso");
    ASSERT_TRUE(other.IsReady());
    const std::string question = "Drive " + Entry() + " currently has other.iso mounted. Unmount it?";
    for (const int answer : {IDNO, IDYES}) {
        SCOPED_TRACE(answer == IDYES ? "Yes" : "No");
        CFileInfo held = MakeRecord({"other.iso", other.Path(), letter_, 3, false, false});
        ASSERT_TRUE(SaveNewRecord(held));
        ASSERT_TRUE(MountRecord(held, "other.iso"));
        Store('Q', 3);

        std::vector<Step> steps = {Step::Pick(IDC_LETTER, Entry()), Step::Check(IDC_RESTORE), Step::Press(kMount),
                                   Step::Answer(answer)};
        if (answer == IDNO) steps.push_back(Step::Press(kClose));
        const auto windows = Open(steps);
        ASSERT_EQ(windows.size(), 2u);
        EXPECT_EQ(windows[1].text, question);
        EXPECT_EQ(windows[1].icon, 0u);
        // The settings are stored either way.
        const CFileInfo record = Stored();
        EXPECT_EQ(record.driveLetter, letter_);
        EXPECT_EQ(record.restoreAtLogon, 1);
        EXPECT_EQ(record.mounted, answer == IDYES ? 1 : 0);
        EXPECT_EQ(Stored("other.iso").mounted, answer == IDYES ? 0 : 1);
        EXPECT_TRUE(DriveListed(letter_));

        RemoveStandInDriveLetter(letter_);
        for (uint32_t number : {0u, 1u}) ResetStandInDevice(kFamilyCdDvd, number);
        RemovePluginRegistryState();
        StoreLangSetting(REG_SZ, std::string("MV_eng.lng", 11));
    }
}

TEST_F(PropertiesDialogMounting, WithoutAFreeLetterTheDialogSaysSoAndCloseKeepsTheStoredOne) {
    // Every letter the system does not use is given to a drive for the test.
    struct Taken {
        std::vector<char> letters;
        ~Taken() {
            for (char letter : letters) RemoveStandInDriveLetter(letter);
        }
    } taken;
    for (const std::string& entry : FreeLetterEntries()) {
        taken.letters.push_back(entry[0]);
        ASSERT_TRUE(DefineDosDeviceA(DDD_RAW_TARGET_PATH, entry.c_str(), DeviceObjectName(kFamilyHardDisk, 0).c_str()));
    }
    Store('Q', 3);
    const auto windows = Open(
        {Step::Snapshot(), Step::Check(IDC_RESTORE), Step::Press(kMount), Step::Answer(IDOK), Step::Press(kClose)});
    ASSERT_EQ(windows.size(), 3u);
    EXPECT_TRUE(ControlOf(windows[1], IDC_LETTER).items.empty());
    EXPECT_EQ(windows[2].text, "No drive letter is free!");
    const CFileInfo record = Stored();
    EXPECT_EQ(record.driveLetter, 'Q');
    EXPECT_EQ(record.restoreAtLogon, 1);
    EXPECT_EQ(record.mounted, 0);
}

TEST_F(PropertiesDialogMounting, UnmountLeavesAnotherImagesDriveAlone) {
    // After a crash x.iso is still marked mounted, on the system's C: (the
    // list then selects its last entry, the other image's drive) or on the
    // letter that serves the other image; or its path is the other image's
    // path with more after it, of which the driver's answer is a prefix.
    ScratchImage other("other.iso");
    ASSERT_TRUE(other.IsReady());
    CFileInfo held = MakeRecord({"other.iso", other.Path(), letter_, 3, false, false});
    ASSERT_TRUE(SaveNewRecord(held));
    ASSERT_TRUE(MountRecord(held, "other.iso"));
    const CFileInfo heldStored = Stored("other.iso");
    struct Case {
        const char* what;
        char letter;
        bool removal;
        std::string path;
    };
    const Case cases[] = {{"Unmount, marked on C:", 'C', false, image_->Path()},
                          {"Unmount, marked on the other's letter", letter_, false, image_->Path()},
                          {"removal, marked on the other's letter", letter_, true, image_->Path()},
                          {"removal, the other's path and more", letter_, true, other.Path() + ".bak"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(StoreRecord({"x.iso", c.path, c.letter, 3, true, false}), ERROR_SUCCESS);
        std::string said;
        if (c.removal) {
            MessageBoxWatcher watcher({IDYES, IDOK});
            std::string name = "\\x.iso";
            EXPECT_FALSE(plugin_->Fs().FsDeleteFile(name.data()));
            const auto seen = watcher.Seen();
            ASSERT_EQ(seen.size(), 2u);
            said = seen[1].text;
        } else {
            const auto windows = Open({Step::Press(kMount), Step::Answer(IDOK), Step::Press(kClose)});
            ASSERT_EQ(windows.size(), 2u);
            EXPECT_EQ(Text(windows[0], IDC_LETTER), Entry());
            said = windows[1].text;
        }
        EXPECT_EQ(said, std::string("Drive ") + c.letter + ": does not serve the image " + c.path +
                            ", so nothing was unmounted.\r\nIf the image is not actually mounted, correct its state "
                            "with Switch in its properties.");
        const CFileInfo record = Stored();
        EXPECT_EQ(record.driveLetter, c.letter);
        EXPECT_EQ(record.mounted, 1);
        const CFileInfo otherAfter = Stored("other.iso");
        EXPECT_EQ(std::memcmp(&otherAfter, &heldStored, sizeof otherAfter), 0);
        MvStandInState device;
        ASSERT_TRUE(ReadStandInState(kFamilyCdDvd, 0, &device));
        EXPECT_EQ(device.attached, 1);
        EXPECT_TRUE(DriveListed(letter_));
    }
}
