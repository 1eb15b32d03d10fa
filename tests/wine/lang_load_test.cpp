// Loading language files into the application object of this program: the
// file by path, the module-relative folder, the built-in language, the
// missing-file message and the lookup with its fallback.
#include <gtest/gtest.h>

#include <string>

#include "harness/FileBytes.h"
#include "harness/Plugin.h"
#include "harness/ScratchFolder.h"
#include "support/CleanRegistry.h"
#include "support/CurrentDirectory.h"
#include "support/ExpectedTexts.h"
#include "support/MessageBoxWatcher.h"
#include "support/ProgramApp.h"

using namespace morvane;
using namespace morvane::test;

namespace {

class LangLoad : public CleanRegistryTest {
protected:
    void SetUp() override {
        CleanRegistryTest::SetUp();
        ASSERT_TRUE(folder_.IsReady());
        ASSERT_TRUE(WriteFileBytes(Path("first.lng"), "First\r\n1=one\r\n2=two\r\n"));
        ASSERT_TRUE(LoadLanguageFile(Path("first.lng"), true));
        ASSERT_EQ(ProgramApp().LangText(1, "builtin"), "one");
    }

    std::string Path(const std::string& name) const { return folder_.Path() + name; }

    // The table still holds what SetUp loaded.
    void ExpectFirstTable() const {
        EXPECT_EQ(ProgramApp().LangText(1, "builtin"), "one");
        EXPECT_EQ(ProgramApp().LangText(2, "builtin"), "two");
    }

    ScratchFolder folder_;
    CurrentDirectoryGuard directory_;
};

}  // namespace

TEST_F(LangLoad, FileReplacesTheWholeTable) {
    ASSERT_TRUE(WriteFileBytes(Path("second.lng"), "2=zwei\r\n3=drei"));
    EXPECT_TRUE(LoadLanguageFile(Path("second.lng"), false));
    EXPECT_EQ(ProgramApp().LangText(1, "builtin"), "builtin");
    EXPECT_EQ(ProgramApp().LangText(2, "builtin"), "zwei");
    EXPECT_EQ(ProgramApp().LangText(3, "builtin"), "drei");
}

TEST_F(LangLoad, FileWithoutValidLinesEmptiesTheTable) {
    ASSERT_TRUE(WriteFileBytes(Path("titles.lng"), "Only a title\r\n\r\n x=1\r\n"));
    EXPECT_TRUE(LoadLanguageFile(Path("titles.lng"), true));
    std::string text = "untouched";
    EXPECT_FALSE(ProgramApp().GetLangString(1, text));
    EXPECT_EQ(text, "untouched");
}

TEST_F(LangLoad, RelativeNameIsResolvedAgainstTheCurrentDirectory) {
    ASSERT_TRUE(WriteFileBytes(Path("sub\\second.lng"), "1=relative\r\n"));
    ASSERT_TRUE(SetCurrentDirectoryA(Path("sub").c_str()));
    EXPECT_TRUE(LoadLanguageFile("second.lng", true));
    EXPECT_EQ(ProgramApp().LangText(1, "builtin"), "relative");
    ASSERT_TRUE(WriteFileBytes(Path("up.lng"), "1=up\r\n"));
    EXPECT_TRUE(LoadLanguageFile(".\\x\\..\\..\\up.lng", true));
    EXPECT_EQ(ProgramApp().LangText(1, "builtin"), "up");
}

TEST_F(LangLoad, EmptyNameLoadsNothingAndSucceeds) {
    MessageBoxWatcher watcher;
    EXPECT_TRUE(LoadLanguageFile("", false));
    EXPECT_TRUE(watcher.Seen().empty());
    ExpectFirstTable();
}

TEST_F(LangLoad, QuietMissingFileKeepsTheTableSilently) {
    MessageBoxWatcher watcher;
    EXPECT_FALSE(LoadLanguageFile(Path("missing.lng"), true));
    EXPECT_FALSE(LoadLanguage("missing.lng", true));
    EXPECT_TRUE(watcher.Seen().empty());
    ExpectFirstTable();
}

TEST_F(LangLoad, MissingFileIsReportedOnceInBothLanguages) {
    const std::string tooLong = folder_.Path() + std::string(300, 'x') + ".lng";
    // A missing file, a folder, and a path too long to resolve in 260 bytes.
    for (const std::string& name : {Path("missing.lng"), folder_.Path(), tooLong}) {
        MessageBoxWatcher watcher;
        EXPECT_FALSE(LoadLanguageFile(name, false)) << name;
        const auto seen = watcher.Seen();
        ASSERT_EQ(seen.size(), 1u) << name;
        EXPECT_EQ(seen[0].text, kTextLanguageFileMissing);
        // The title of the module that holds the application object.
        EXPECT_EQ(seen[0].caption, kTestProgramCaption);
        EXPECT_TRUE(seen[0].hasOk);
        EXPECT_FALSE(seen[0].hasCancel || seen[0].hasYes || seen[0].hasNo);
        EXPECT_EQ(seen[0].icon, static_cast<UINT>(MB_ICONEXCLAMATION));
        ExpectFirstTable();
    }
}

TEST_F(LangLoad, MainMarkAnywhereSelectsTheBuiltinTexts) {
    for (const char* setting : {"<main> (Russian)", "<main>", "x<main>", "Russian <main>.lng", "((<main>))"}) {
        ASSERT_TRUE(LoadLanguageFile(Path("first.lng"), true));
        MessageBoxWatcher watcher;
        EXPECT_TRUE(LoadLanguage(setting, false)) << setting;
        EXPECT_TRUE(watcher.Seen().empty()) << setting;
        std::string text = "untouched";
        EXPECT_FALSE(ProgramApp().GetLangString(1, text)) << setting;
        EXPECT_EQ(ProgramApp().LangText(1001), kTextFileNotFound) << setting;
    }
}

TEST_F(LangLoad, MainMarkIsCaseSensitive) {
    // Taken for a file name, which is missing.
    EXPECT_FALSE(LoadLanguage("<MAIN> (Russian)", true));
    ExpectFirstTable();
}

TEST_F(LangLoad, NameIsLookedUpInTheLanguageFolderOfTheModule) {
    // This program holds the application object, so its folder is the one.
    const std::string name = "lang_probe_" + std::to_string(GetCurrentProcessId()) + ".lng";
    const std::string besideModule = TestProgramDirectory() + "Language\\" + name;
    ASSERT_TRUE(WriteFileBytes(besideModule, "1=beside the module\r\n"));
    ASSERT_TRUE(WriteFileBytes(Path("Language\\" + name), "1=in the current directory\r\n"));
    ASSERT_TRUE(SetCurrentDirectoryA(folder_.Path().c_str()));

    const bool loaded = LoadLanguage(name, true);
    const std::string text = ProgramApp().LangText(1, "builtin");
    ChooseLanguage(name);
    LoadLanguageFile(Path("first.lng"), true);
    const bool reloaded = ProgramApp().LoadLanguage(ProgramApp().LanguageSetting(), true);
    const std::string reloadedText = ProgramApp().LangText(1, "builtin");
    DeleteFileA(besideModule.c_str());

    EXPECT_TRUE(loaded);
    EXPECT_EQ(text, "beside the module");
    EXPECT_TRUE(reloaded);
    EXPECT_EQ(reloadedText, "beside the module");
}

TEST_F(LangLoad, ReloadOfAMissingChoiceWarnsAndKeepsTheLanguage) {
    {
        MessageBoxWatcher choosing;
        ChooseLanguage("deleted_meanwhile.lng");
        EXPECT_EQ(choosing.Seen().size(), 1u);
    }
    MessageBoxWatcher watcher;
    EXPECT_FALSE(ProgramApp().LoadLanguage(ProgramApp().LanguageSetting(), false));
    EXPECT_EQ(watcher.Seen().size(), 1u);
    EXPECT_EQ(LanguageSetting(), "deleted_meanwhile.lng");
    ExpectFirstTable();
}

TEST_F(LangLoad, DeviceOrFolderIsAMissingFile) {
    // Opening or reading a device (a serial port) may never end.
    ASSERT_TRUE(CreateDirectoryA(Path("folder.lng").c_str(), nullptr));
    for (const std::string name : {"COM1", "CON", "NUL", "LPT1.lng", "folder.lng"}) {
        SCOPED_TRACE(name);
        MessageBoxWatcher watcher;
        EXPECT_FALSE(LoadLanguageFile(Path(name), false));
        EXPECT_EQ(watcher.Seen().size(), 1u) << "the language file is missing";
        ExpectFirstTable();
    }
}

TEST_F(LangLoad, FormattedTextsNeedTheirOwnConversions) {
    ASSERT_TRUE(WriteFileBytes(Path("formats.lng"),
                               "1004=%s has %s\r\n"
                               "1006=Is image %s really mounted as drive %c:?\r\n"
                               "1007=Image %s is not mounted?\r\n"
                               "1008=Drive %c: holds %s\r\n"
                               "1011=Error code: %5d (100%%).\r\n"
                               "1001=100% sure %s\r\n"
                               "1009=\r\n"));
    ASSERT_TRUE(LoadLanguageFile(Path("formats.lng"), true));
    struct Case {
        uint32_t id;
        std::string expected;
    };
    const Case cases[] = {
        {1004, kTextUnmountOtherImage},                      // a text where a character is passed
        {1006, "Is image %s really mounted as drive %c:?"},  // the same arguments
        {1007, "Image %s is not mounted?"},                  // the first of them
        {1008, kTextUnmountBeforeRemoval},                   // order swapped
        {1011, kTextCommandFailed},                          // a width
        {1001, "100% sure %s"},                              // nobody fills this one in
        {1009, ""},                                          // an empty translation is shown
        {1012, kTextDriverMissing},                          // not translated
    };
    for (const Case& c : cases) EXPECT_EQ(ProgramApp().LangText(c.id), c.expected) << c.id;
    // The caller's own built-in text is the one compared.
    EXPECT_EQ(ProgramApp().LangText(1004, "%s|%s"), "%s has %s");
    EXPECT_EQ(ProgramApp().LangText(1006, "%s"), "%s");
    // The table itself keeps what the file says.
    std::string stored;
    EXPECT_TRUE(ProgramApp().GetLangString(1004, stored));
    EXPECT_EQ(stored, "%s has %s");
}

TEST_F(LangLoad, LookupWithoutBuiltinText) {
    ASSERT_TRUE(WriteFileBytes(Path("dev.lng"), "53=Developer:\r\n54=never shown\r\n"));
    ASSERT_TRUE(LoadLanguageFile(Path("dev.lng"), true));
    std::string text;
    EXPECT_TRUE(ProgramApp().GetLangString(53, text));
    EXPECT_EQ(text, "Developer:");
    EXPECT_EQ(ProgramApp().LangText(53), "Developer:");
    EXPECT_EQ(ProgramApp().LangText(99999), "");
    EXPECT_EQ(ProgramApp().LangText(7, nullptr), "");
}
