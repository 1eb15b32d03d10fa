// Failure reports in the file manager: one message box per failed driver
// step, with the message chosen by what the step was doing and the system
// error it left.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness/ActivityLogFile.h"
#include "harness/DriveLetters.h"
#include "harness/FileBytes.h"
#include "harness/Plugin.h"
#include "harness/StoredRecords.h"
#include "lang/SettingsKey.h"
#include "report/ErrorReport.h"
#include "support/BuiltinTextsFixture.h"
#include "support/ExpectedTexts.h"
#include "support/MessageBoxWatcher.h"
#include "support/ProgramApp.h"
#include "support/SystemText.h"

using namespace morvane;
using namespace morvane::test;

namespace {

class ReportInHost : public BuiltinTextsTest {
protected:
    FreshActivityLog log_;
};

// A system error that has no text.
constexpr DWORD kErrorWithoutText = 0x2000ABCD;

}  // namespace

TEST_F(ReportInHost, OneBoxPerFailureWithTheMessageOfItsContextAndError) {
    struct Case {
        const char* text;
        ReportContext context;
        DWORD error;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"Q:", ReportContext::General, ERROR_BUSY, "Q: " + SystemText(ERROR_BUSY)},
        {"Q:", ReportContext::CreateDevice, ERROR_PATH_NOT_FOUND, DriverMissingMessage()},
        {"Q:", ReportContext::CreateDevice, ERROR_FILE_NOT_FOUND, TooManyDevicesMessage()},
        {"MV_FileDisk:", ReportContext::AttachImage, ERROR_FILE_NOT_FOUND, kTextImageNotAccessible},
        // The same errors in other contexts keep the system's text.
        {"Q:", ReportContext::General, ERROR_FILE_NOT_FOUND, "Q: " + SystemText(ERROR_FILE_NOT_FOUND)},
        {"Q:", ReportContext::General, ERROR_PATH_NOT_FOUND, "Q: " + SystemText(ERROR_PATH_NOT_FOUND)},
        {"MV_FileDisk:", ReportContext::AttachImage, ERROR_PATH_NOT_FOUND,
         "MV_FileDisk: " + SystemText(ERROR_PATH_NOT_FOUND)},
        {"Q:", ReportContext::CreateDevice, ERROR_ACCESS_DENIED, "Q: " + SystemText(ERROR_ACCESS_DENIED)},
        {"MV_FileDisk:", ReportContext::General, ERROR_INVALID_FUNCTION,
         "MV_FileDisk: " + SystemText(ERROR_INVALID_FUNCTION)},
        {"Q:", ReportContext::General, kErrorWithoutText, "Q: "},
    };
    ASSERT_FALSE(SystemText(ERROR_BUSY).empty());
    ASSERT_TRUE(SystemText(kErrorWithoutText).empty());

    MessageBoxWatcher watcher;
    for (const Case& c : cases) {
        ReportDriveError(ProgramApp(), c.text, c.context, c.error);
    }
    const auto seen = watcher.Seen();
    ASSERT_EQ(seen.size(), cases.size());
    for (size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE("case " + std::to_string(i) + ", error " + std::to_string(cases[i].error));
        EXPECT_EQ(seen[i].text, cases[i].message);
        EXPECT_EQ(seen[i].caption, kTestProgramCaption);
        EXPECT_TRUE(seen[i].hasOk);
        EXPECT_FALSE(seen[i].hasCancel || seen[i].hasYes || seen[i].hasNo);
        EXPECT_EQ(seen[i].icon, static_cast<UINT>(MB_ICONEXCLAMATION));
    }
    EXPECT_FALSE(FileBytes(ActivityLogPath())) << "the file manager must not write the log";
}

// The caption is the plug-in's own title: the real plug-in's file name.
TEST_F(ReportInHost, PluginShowsItsFailuresCaptionedMorvane) {
    const char letter = 'Q';
    ASSERT_FALSE(DriveDefined(letter)) << "the test needs Q: undefined";
    const CFileInfo record = MakeRecord({"gone.iso", "C:\\gone.iso", letter, kModeCdDvd | kModeReadOnly, true});
    ASSERT_TRUE(SaveNewRecord(record));

    LoadedPlugin plugin;
    ASSERT_TRUE(plugin.IsLoaded()) << GetLastError();
    plugin.Fs().FsInit(1, nullptr, nullptr, nullptr);
    // Yes to unmounting before the removal; Q: names no drive, so the
    // driver confirms nothing there and nothing is unmounted.
    MessageBoxWatcher watcher({IDYES});
    char remote[] = "\\gone.iso";
    EXPECT_FALSE(plugin.Fs().FsDeleteFile(remote));
    const auto seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].caption, "Morvane");
    EXPECT_EQ(seen[1].text, NotThisImagesDriveMessage('Q', "C:\\gone.iso"));
    EXPECT_TRUE(seen[1].hasOk && !seen[1].hasYes && !seen[1].hasNo && !seen[1].hasCancel);
    EXPECT_EQ(seen[1].icon, static_cast<UINT>(MB_ICONEXCLAMATION));
}

// An installed translation, here the shipped English file, replaces the
// built-in texts in the messages; its line breaks are CR LF.
TEST_F(ReportInHost, SpecialTextsComeFromTheLanguageTable) {
    ASSERT_TRUE(LoadLanguage("MV_eng.lng", true)) << "no "
                                                  << "MV_eng.lng"
                                                  << " beside the tests";
    MessageBoxWatcher watcher;
    ReportDriveError(ProgramApp(), "Q:", ReportContext::CreateDevice, ERROR_PATH_NOT_FOUND);
    ReportDriveError(ProgramApp(), "MV_FileDisk:", ReportContext::AttachImage, ERROR_FILE_NOT_FOUND);
    const auto seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].text,
              "Error creating the virtual drive!\r\nThe driver may not be installed.\n\n"
              "See the ReadMe file for details.");
    EXPECT_EQ(seen[1].text, "Error mounting the image!\r\nThe image file is not accessible.");
}
