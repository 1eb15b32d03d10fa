// The real plug-in chooses and loads its language while it is being loaded,
// from the Language folder beside its own file wherever the host runs. The
// effect shows in the not-found message of the properties dialog.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness/FileBytes.h"
#include "harness/Plugin.h"
#include "harness/ScratchFolder.h"
#include "harness/StoredRecords.h"
#include "support/CleanRegistry.h"
#include "support/CurrentDirectory.h"
#include "support/ExpectedTexts.h"
#include "support/MessageBoxWatcher.h"
#include "support/StoredLangSetting.h"

using namespace morvane;
using namespace morvane::test;

namespace {

class LangPluginFolder : public CleanRegistryTest {
protected:
    // The plug-in in <folder>\plugin with its own translation; the current
    // directory <folder>\elsewhere has a Language folder of its own.
    void SetUp() override {
        CleanRegistryTest::SetUp();
        ASSERT_TRUE(folder_.IsReady());
        ASSERT_TRUE(CopyFileTo(TestPluginPath(), PluginPath()));
        ASSERT_TRUE(WriteFileBytes(PluginLanguage("MV_eng.lng"), "Test language\r\n1001=Beside the plug-in\r\n"));
        ASSERT_TRUE(
            WriteFileBytes(folder_.Path() + "elsewhere\\Language\\MV_eng.lng", "1001=In the current directory\r\n"));
        ASSERT_TRUE(WriteFileBytes(folder_.Path() + "elsewhere\\Language\\other.lng", "1001=Other, wrong folder\r\n"));
        ASSERT_TRUE(SetCurrentDirectoryA((folder_.Path() + "elsewhere").c_str()));
    }

    std::string PluginPath() const { return folder_.Path() + "plugin\\Morvane.wfx64"; }
    std::string PluginLanguage(const std::string& name) const { return folder_.Path() + "plugin\\Language\\" + name; }

    ScratchFolder folder_;
    CurrentDirectoryGuard directory_;
};

// Loads the plug-in and opens an entry that does not exist: every box that
// shows, loading included.
std::vector<SeenMessageBox> NotFoundMessages(const std::string& pluginPath) {
    MessageBoxWatcher watcher;
    LoadedPlugin plugin(pluginPath);
    EXPECT_TRUE(plugin.IsLoaded()) << "error " << GetLastError();
    if (!plugin.IsLoaded()) return {};
    char name[] = "\\";
    char verb[] = "open";
    EXPECT_EQ(plugin.Fs().FsExecuteFile(nullptr, name, verb), 0);
    return watcher.Seen();
}

}  // namespace

TEST_F(LangPluginFolder, WithoutSettingTheEnglishFileBesideThePluginIsUsed) {
    const auto seen = NotFoundMessages(PluginPath());
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "Beside the plug-in");
    EXPECT_EQ(seen[0].caption, "Morvane");
}

TEST_F(LangPluginFolder, ChosenFileBesideThePluginIsUsed) {
    ASSERT_TRUE(WriteFileBytes(PluginLanguage("other.lng"), "1001=Other language\r\n"));
    ASSERT_EQ(StoreLangSetting(REG_SZ, std::string("other.lng", 10)), ERROR_SUCCESS);
    const auto seen = NotFoundMessages(PluginPath());
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "Other language");
}

TEST_F(LangPluginFolder, MainMarkKeepsTheBuiltinTexts) {
    ASSERT_EQ(StoreLangSetting(REG_SZ, std::string("<main> (Russian)", 17)), ERROR_SUCCESS);
    const auto seen = NotFoundMessages(PluginPath());
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, kTextFileNotFound);
}

TEST_F(LangPluginFolder, MissingChosenFileIsSilentAtLoad) {
    ASSERT_EQ(StoreLangSetting(REG_SZ, std::string("gone.lng", 9)), ERROR_SUCCESS);
    const auto seen = NotFoundMessages(PluginPath());
    // Only the not-found message: nothing said that the language is missing.
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, kTextFileNotFound);
}

TEST_F(LangPluginFolder, MissingEnglishFileLeavesTheBuiltinTexts) {
    ASSERT_TRUE(DeleteFileA(PluginLanguage("MV_eng.lng").c_str()));
    const auto seen = NotFoundMessages(PluginPath());
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, kTextFileNotFound);
}

TEST_F(LangPluginFolder, SettingOutsideTheLanguageFolderLoadsNothing) {
    for (const std::string& setting :
         {std::string("..\\..\\elsewhere\\Language\\other.lng"), folder_.Path() + "elsewhere\\Language\\other.lng"}) {
        SCOPED_TRACE(setting);
        ASSERT_EQ(StoreLangSetting(REG_SZ, setting + '\0'), ERROR_SUCCESS);
        const auto seen = NotFoundMessages(PluginPath());
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].text, kTextFileNotFound);
    }
}

TEST_F(LangPluginFolder, SettingOfAWrongTypeFallsBackToEnglish) {
    ASSERT_EQ(StoreLangSetting(REG_DWORD, std::string("\x01\x00\x00\x00", 4)), ERROR_SUCCESS);
    const auto seen = NotFoundMessages(PluginPath());
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "Beside the plug-in");
}

TEST_F(LangPluginFolder, BuiltPluginIsEnglishByDefault) {
    // The build installs the shipped translation beside the plug-in.
    const auto seen = NotFoundMessages(TestPluginPath());
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "File not found!");
    EXPECT_EQ(seen[0].caption, "Morvane");
}

TEST_F(LangPluginFolder, RemovalQuestionTakesOnlyTranslationsThatFillInSafely) {
    // Text 1008 built in, for C:\x.iso on Q:.
    const std::string builtin =
        "\xCE\xE1\xF0\xE0\xE7 C:\\x.iso \xF1\xE5\xE9\xF7\xE0\xF1 \xEF\xEE\xE4\xEA\xEB\xFE\xF7\xB8\xED \xEA\xE0\xEA "
        "\xE4\xE8\xF1\xEA Q:. \xCF\xE5\xF0\xE5\xE4 \xF3\xE4\xE0\xEB\xE5\xED\xE8\xE5\xEC \xE5\xE3\xEE "
        "\xED\xE5\xEE\xE1\xF5\xEE\xE4\xE8\xEC\xEE \xEE\xF2\xEA\xEB\xFE\xF7\xE8\xF2\xFC.\n"
        "\xCE\xF2\xEA\xEB\xFE\xF7\xE8\xF2\xFC \xF1\xE5\xE9\xF7\xE0\xF1?";
    struct Case {
        std::string line;
        char letter;
        std::string question;
    };
    const Case cases[] = {
        {"1008=%2147483647s %c", 'Q', builtin},  // a width the C library cannot count
        {"1008=%s %99999999c", 'Q', builtin},    // a 100 MB question
        {"1008=%c %s", 'Q', builtin},            // the arguments swapped
        {"1008=Unmount %s first?", 'Q', "Unmount C:\\x.iso first?"},
        {"1008=", 'Q', ""},
        // A damaged record's letter never ends the question early.
        {"1008=Image %s on %c: - unmount?", '\0', "Image C:\\x.iso on ?: - unmount?"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        ASSERT_TRUE(WriteFileBytes(PluginLanguage("MV_eng.lng"), c.line + "\r\n"));
        ASSERT_EQ(StoreRecord({"x.iso", "C:\\x.iso", c.letter, 3, true, false}), ERROR_SUCCESS);
        MessageBoxWatcher watcher({IDNO});
        LoadedPlugin plugin(PluginPath());
        ASSERT_TRUE(plugin.IsLoaded());
        plugin.Fs().FsInit(1, nullptr, nullptr, nullptr);
        char name[] = "\\x.iso";
        EXPECT_FALSE(plugin.Fs().FsDeleteFile(name));
        const auto seen = watcher.Seen();
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].text, c.question);
    }
}
