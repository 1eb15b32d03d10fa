// The About dialog that "properties" on the folder's root opens, and the
// settings dialog behind its button, worked through the real plug-in.
#include <windows.h>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "harness/FileBytes.h"
#include "harness/Plugin.h"
#include "res/ResourceIds.h"
#include "support/CleanRegistry.h"
#include "support/CodePageView.h"
#include "support/DialogScript.h"
#include "support/ExpectedTexts.h"
#include "support/StoredLangSetting.h"
#include "uidriver/Session.h"
#include "win32/AnsiText.h"
#include "win32/RegKey.h"

using namespace morvane;
using namespace morvane::test;
using uidriver::Step;
using uidriver::WindowState;

namespace {

// Control identifier to text; 0 is the caption.
using Texts = std::map<int, std::string>;

const Texts kRussianAbout = {
    {0, "\xCE \xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xE5"},
    {IDC_PROGRAM, "\xCF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xE0: Morvane"},
    {IDC_VERSION, "\xC2\xE5\xF0\xF1\xE8\xFF: 1.0.0 Final (build 300)"},
    {IDC_DEVELOPER,
     "\xD0\xE0\xE7\xF0\xE0\xE1\xEE\xF2\xF7\xE8\xEA: \xF0\xE0\xE7\xF0\xE0\xE1\xEE\xF2\xF7\xE8\xEA\xE8 Morvane"},
    {IDC_ORGANISATION, "Tarnwell Incorporation, 2026 \xE3."},
    {IDC_LEGAL_NOTICE, "Free of charge, without any warranty."},
    {IDC_HOME_LABEL, "\xC4\xEE\xEC\xE0\xF8\xED\xFF\xFF \xF1\xF2\xF0\xE0\xED\xE8\xF6\xE0:"},
    {IDC_SETTINGS, "&\xCD\xE0\xF1\xF2\xF0\xEE\xE9\xEA\xE8"},
    {IDOK, "OK"},
    {IDC_HOME_LINK, "www.example.org"},
    {IDC_MAIL_LINK, "mv@example.org"},
};
const Texts kEnglishAbout = {
    {0, "About"},
    {IDC_PROGRAM, "Program: Morvane"},
    {IDC_VERSION, "Version: 1.0.0 Final (build 300)"},
    {IDC_DEVELOPER, "Developer: Morvane developers"},
    {IDC_ORGANISATION, "Tarnwell Incorporation, 2026"},
    {IDC_LEGAL_NOTICE, "Free of charge, without any warranty."},
    {IDC_HOME_LABEL, "Home page:"},
    {IDC_SETTINGS, "&Settings"},
    {IDOK, "OK"},
    {IDC_HOME_LINK, "www.example.org"},
    {IDC_MAIL_LINK, "mv@example.org"},
};

void ExpectTexts(const WindowState& window, const Texts& texts) {
    for (const auto& [id, text] : texts) {
        if (id == 0) {
            EXPECT_EQ(window.caption, text);
            continue;
        }
        const uidriver::ControlState* control = window.Control(id);
        ASSERT_NE(control, nullptr) << id;
        EXPECT_EQ(control->text, text) << id;
    }
}

class AboutDialog : public CleanRegistryTest {
protected:
    void TearDown() override {
        for (const std::string& name : written_) DeleteFileA(LanguageFile(name).c_str());
        CleanRegistryTest::TearDown();
    }

    static std::string LanguageFile(const std::string& name) { return TestProgramDirectory() + "Language\\" + name; }
    void WriteLanguage(const std::string& name, const std::string& bytes) {
        ASSERT_TRUE(WriteFileBytes(LanguageFile(name), bytes));
        written_.push_back(name);
    }

    // Loads the plug-in with `setting` as the language choice and opens the
    // About dialog with the steps; every window and snapshot, in order.
    std::vector<WindowState> OpenAbout(const std::string& setting, std::vector<Step> steps,
                                       uidriver::Session::Observer observer = nullptr) {
        StoreLangSetting(REG_SZ, setting + '\0');
        LoadedPlugin plugin;
        EXPECT_TRUE(plugin.IsLoaded());
        std::vector<WindowState> states;
        if (!plugin.IsLoaded()) return states;
        uidriver::Session session(std::move(steps), GetCurrentThreadId(), observer);
        std::string root = "\\", verb = "properties";
        EXPECT_EQ(plugin.Fs().FsExecuteFile(nullptr, root.data(), verb.data()), 0);
        for (const uidriver::Event& event : session.Transcript())
            if (event.kind == uidriver::EventKind::Appeared || event.kind == uidriver::EventKind::Snapshot)
                states.push_back(InCodePage(event.state));
        EXPECT_TRUE(session.StepsLeft().empty()) << "steps not taken";
        return states;
    }

    static std::string StoredSetting() {
        win32::RegKey key;
        char value[MAX_PATH] = {};
        DWORD type = 0, size = sizeof value;
        if (key.Open(HKEY_CURRENT_USER, "Software\\Tarnwell Incorporation\\Morvane\\Settings", KEY_READ) !=
                ERROR_SUCCESS ||
            key.QueryValue("LangFile", &type, value, &size) != ERROR_SUCCESS)
            return std::string();
        return value;
    }

    std::vector<std::string> written_;
};

}  // namespace

TEST_F(AboutDialog, TextsOfTheLanguageInForce) {
    Texts developerOnly = kRussianAbout;
    developerOnly[IDC_DEVELOPER] = "Developer: Morvane developers";
    developerOnly[IDC_ORGANISATION] = "Tarnwell Incorporation, 2026";
    WriteLanguage("developer.lng", "53=Developer:\r\n");
    struct Case {
        const char* setting;
        const Texts* texts;
    };
    const Case cases[] = {
        {"<main> (Russian)", &kRussianAbout},
        {"MV_eng.lng", &kEnglishAbout},
        // The developer label alone makes both lines English.
        {"developer.lng", &developerOnly},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.setting);
        const auto windows = OpenAbout(c.setting, {Step::Press(IDOK)});
        ASSERT_EQ(windows.size(), 1u);
        ExpectTexts(windows[0], *c.texts);
    }
}

TEST_F(AboutDialog, SettingsListTheLanguagesAndPreselectTheChoice) {
    WriteLanguage("b.lng", "100=B\r\n");
    WriteLanguage("A.lng", "100=A\r\n");
    // A folder is no language file; a name that Windows-1251 cannot spell
    // is one, listed as it is named ("?mega.lng" as the code page reads it).
    struct Unlisted {
        const std::string folder = LanguageFile("folder.lng");
        const std::wstring greek = win32::WideText(LanguageFile("")) + L"\u03A9mega.lng";
        Unlisted() {
            CreateDirectoryA(folder.c_str(), nullptr);
            CloseHandle(CreateFileW(greek.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        }
        ~Unlisted() {
            RemoveDirectoryA(folder.c_str());
            DeleteFileW(greek.c_str());
        }
    } unlisted;
    ASSERT_NE(GetFileAttributesW(unlisted.greek.c_str()), INVALID_FILE_ATTRIBUTES);
    const std::vector<std::string> all = {"<main> (Russian)", "A.lng", "b.lng", "MV_eng.lng", "?mega.lng"};
    struct Case {
        const char* setting;
        const char* selected;
    };
    const Case cases[] = {
        {"MV_eng.lng", "MV_eng.lng"},
        {"mv_ENG.LNG", "MV_eng.lng"},  // by its beginning, in any case
        {"<main>", "<main> (Russian)"},
        {"gone.lng", "<main> (Russian)"},  // the first of the list
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.setting);
        const auto windows =
            OpenAbout(c.setting, {Step::Press(IDC_SETTINGS), Step::Press(IDCANCEL), Step::Press(IDOK)});
        ASSERT_EQ(windows.size(), 2u);
        const uidriver::ControlState* list = windows[1].Control(IDC_LANGUAGE);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->items, all);
        EXPECT_EQ(list->text, c.selected);
        EXPECT_EQ(StoredSetting(), c.setting) << "Cancel changes nothing";
    }
}

TEST_F(AboutDialog, OkStoresTheChoiceAndTheOpenAboutDialogChangesAtOnce) {
    const auto windows =
        OpenAbout("MV_eng.lng", {Step::Press(IDC_SETTINGS), Step::Pick(IDC_LANGUAGE, "<main> (Russian)"),
                                 Step::Press(IDOK), Step::Snapshot(), Step::Press(IDC_SETTINGS), Step::Press(IDCANCEL),
                                 Step::Snapshot(), Step::Press(IDOK)});
    ASSERT_EQ(windows.size(), 5u);
    ExpectTexts(windows[0], kEnglishAbout);
    ExpectTexts(windows[2], kRussianAbout);
    // The settings dialog now speaks Russian too; Cancel changes nothing.
    EXPECT_EQ(windows[3].caption, "\xCD\xE0\xF1\xF2\xF0\xEE\xE9\xEA\xE8");
    ExpectTexts(windows[4], kRussianAbout);
    EXPECT_EQ(StoredSetting(), "<main> (Russian)");
}

TEST_F(AboutDialog, ChoiceDeletedMeanwhileIsStoredWithOneWarningAndTheLanguageStays) {
    WriteLanguage("temp.lng", "50=Temporary\r\n");
    // The file goes while the settings dialog is open.
    const auto deleteWhenSettingsOpen = [](const uidriver::Event& event) {
        if (event.kind == uidriver::EventKind::Appeared && event.window == 1)
            DeleteFileA(LanguageFile("temp.lng").c_str());
    };
    const auto windows = OpenAbout("MV_eng.lng",
                                   {Step::Press(IDC_SETTINGS), Step::Pick(IDC_LANGUAGE, "temp.lng"), Step::Press(IDOK),
                                    Step::Answer(IDOK), Step::Snapshot(), Step::Press(IDOK)},
                                   deleteWhenSettingsOpen);
    ASSERT_EQ(windows.size(), 4u);
    EXPECT_EQ(windows[2].text, kTextLanguageFileMissing);
    ExpectTexts(windows[3], kEnglishAbout);
    EXPECT_EQ(StoredSetting(), "temp.lng");
}
