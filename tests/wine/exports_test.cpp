#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>

#include "harness/Plugin.h"
#include "harness/ScratchImage.h"
#include "harness/StoredRecords.h"
#include "plugin/ExportNames.h"
#include "support/CleanRegistry.h"
#include "support/DriverRequestRecorder.h"
#include "support/FolderListing.h"
#include "support/MessageBoxWatcher.h"

using namespace morvane;
using namespace morvane::test;

class Exports : public CleanRegistryTest {};

TEST_F(Exports, EmptyCatalogueListsNothing) {
    LoadedPlugin plugin;
    ASSERT_TRUE(plugin.IsLoaded());
    plugin.Fs().FsInit(1, nullptr, nullptr, nullptr);
    WIN32_FIND_DATAA fd;
    std::memset(&fd, 0xAB, sizeof fd);
    char root[] = "\\";
    SetLastError(0xdeadbeef);
    EXPECT_EQ(plugin.Fs().FsFindFirst(root, &fd), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_MORE_FILES));
    std::memset(&fd, 0xAB, sizeof fd);
    EXPECT_FALSE(plugin.Fs().FsFindNext(INVALID_HANDLE_VALUE, &fd));
    HKEY key = nullptr;
    EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Tarnwell Incorporation", 0, KEY_READ, &key), ERROR_SUCCESS)
        << "listing creates no key";
    if (key) RegCloseKey(key);
}

TEST_F(Exports, EveryInterfaceNameResolvesUndecorated) {
    LoadedPlugin plugin;
    ASSERT_TRUE(plugin.IsLoaded());
    for (const char* name : kExportNames) EXPECT_NE(GetProcAddress(plugin.Handle(), name), nullptr) << name;
}

TEST_F(Exports, RootNameFitsTheBufferAndNeverWritesPastIt) {
    LoadedPlugin plugin;
    ASSERT_TRUE(plugin.IsLoaded());
    struct Case {
        int size;
        const char* expected;  // null: nothing written at all
    };
    const Case cases[] = {{5, "Morv"}, {8, "Morvane"}, {9, "Morvanes"}, {260, "Morvanes"},
                          {1, ""},     {0, nullptr},   {-1, nullptr},   {-260, nullptr}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        char buffer[300];
        std::memset(buffer, '#', sizeof buffer);
        const size_t usable = c.size > 0 ? static_cast<size_t>(c.size) : 0;
        plugin.Fs().FsGetDefRootName(buffer, c.size);
        if (!c.expected) {
            EXPECT_EQ(buffer[0], '#');
        } else {
            EXPECT_STREQ(buffer, c.expected);
        }
        for (size_t i = usable; i < sizeof buffer; ++i) ASSERT_EQ(buffer[i], '#') << "byte " << i;
    }
}

TEST_F(Exports, FindNextWithoutAnOpenEnumerationWritesNothingButZeros) {
    LoadedPlugin plugin;
    ASSERT_TRUE(plugin.IsLoaded());
    plugin.Fs().FsInit(1, nullptr, nullptr, nullptr);
    WIN32_FIND_DATAA data;
    std::memset(&data, 0xAB, sizeof data);
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(plugin.Fs().FsFindNext(INVALID_HANDLE_VALUE, &data));
    EXPECT_EQ(GetLastError(), 0xdeadbeefu) << "no error is set";
    const WIN32_FIND_DATAA zero{};
    EXPECT_EQ(std::memcmp(&data, &zero, sizeof data), 0);
    EXPECT_EQ(plugin.Fs().FsFindClose(INVALID_HANDLE_VALUE), 0);
}

TEST_F(Exports, DeletingAnUnknownNameAnswersFalse) {
    LoadedPlugin plugin;
    ASSERT_TRUE(plugin.IsLoaded());
    plugin.Fs().FsInit(1, nullptr, nullptr, nullptr);
    char name[] = "\\nothing.iso";
    EXPECT_FALSE(plugin.Fs().FsDeleteFile(name));
}

TEST_F(Exports, SetDefaultParamsChangesNothing) {
    LoadedPlugin plugin;
    ASSERT_TRUE(plugin.IsLoaded());
    FsDefaultParams params;
    std::memset(&params, 0, sizeof params);
    params.size = sizeof params;
    params.pluginInterfaceVersionHi = 2;
    std::strcpy(params.defaultIniName, "C:\\nowhere\\fsplugin.ini");
    const FsDefaultParams copy = params;
    plugin.Fs().FsInit(1, nullptr, nullptr, nullptr);
    plugin.Fs().FsSetDefaultParams(&params);
    EXPECT_EQ(std::memcmp(&params, &copy, sizeof params), 0);
    EXPECT_EQ(GetFileAttributesA(params.defaultIniName), INVALID_FILE_ATTRIBUTES);
    HKEY key = nullptr;
    EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Tarnwell Incorporation", 0, KEY_READ, &key), ERROR_SUCCESS)
        << "nothing stored";
    if (key) RegCloseKey(key);
}

TEST_F(Exports, HostNoticesAndAnEmptyNameShowNothing) {
    LoadedPlugin plugin;
    ASSERT_TRUE(plugin.IsLoaded());
    plugin.Fs().FsInit(1, nullptr, nullptr, nullptr);
    struct Case {
        const char* name;
        const char* verb;
    };
    const Case cases[] = {
        {"\\disk.iso", "MODE I"}, {"\\disk.iso", "mode A"}, {"\\", "mode x"}, {"\\disk.iso", "Mode "}, {"", "open"},
        {"", "properties"},
    };
    MessageBoxWatcher watcher;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " / " + c.verb);
        std::string name = c.name, verb = c.verb;
        EXPECT_EQ(plugin.Fs().FsExecuteFile(nullptr, name.data(), verb.data()), 0);
    }
    EXPECT_TRUE(watcher.Seen().empty()) << watcher.Seen().front().text;
}

TEST_F(Exports, OpeningTheRootOrAnUnknownNameSaysNotFound) {
    LoadedPlugin plugin;
    ASSERT_TRUE(plugin.IsLoaded());
    plugin.Fs().FsInit(1, nullptr, nullptr, nullptr);
    MessageBoxWatcher watcher;
    // "mode" alone, without its blank, is no notice of the host.
    for (const char* verb : {"open", "mode"}) {
        std::string name = "\\", v = verb;
        EXPECT_EQ(plugin.Fs().FsExecuteFile(nullptr, name.data(), v.data()), 0);
    }
    std::string unknown = "\\nothing.iso", open = "open";
    EXPECT_EQ(plugin.Fs().FsExecuteFile(nullptr, unknown.data(), open.data()), 0);

    // Text 1001 of the shipped English file, which the plug-in loads unless
    // told otherwise.
    const auto seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 3u);
    for (const SeenMessageBox& box : seen) {
        EXPECT_EQ(box.caption, "Morvane");
        EXPECT_EQ(box.text, "File not found!");
        EXPECT_TRUE(box.hasOk && !box.hasYes && !box.hasNo && !box.hasCancel);
    }
}

TEST_F(Exports, NameBelowTheRootNamesNoEntry) {
    // The folder has no subfolders: \\dir\\good1.iso is not good1.iso.
    ScratchImage image("good1.iso");
    ASSERT_TRUE(image.IsReady());
    ASSERT_EQ(StoreRecord({"good1.iso", image.Path(), 'Q', 3, false, false}), ERROR_SUCCESS);
    const std::optional<CFileInfo> before = ReadRecord("good1.iso");
    LoadedPlugin plugin;
    ASSERT_TRUE(plugin.IsLoaded());
    const PluginExports& fs = plugin.Fs();
    fs.FsInit(1, nullptr, nullptr, nullptr);
    std::string below = "\\dir\\good1.iso", local = image.Path();
    MessageBoxWatcher watcher;
    EXPECT_FALSE(fs.FsDeleteFile(below.data()));
    for (const char* verb : {"open", "properties"}) {
        std::string v = verb;
        EXPECT_EQ(fs.FsExecuteFile(nullptr, below.data(), v.data()), 0) << verb;
    }
    EXPECT_EQ(fs.FsPutFile(local.data(), below.data(), 0), 2) << "the host's file not found";
    EXPECT_EQ(fs.FsPutFile(local.data(), below.data(), 1), 2) << "overwriting";
    const auto seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 2u);
    for (const SeenMessageBox& box : seen) EXPECT_EQ(box.text, "File not found!");
    EXPECT_EQ(StoredValues().size(), 1u);
    const std::optional<CFileInfo> after = ReadRecord("good1.iso");
    ASSERT_TRUE(before && after);
    EXPECT_EQ(std::memcmp(&*after, &*before, sizeof *after), 0);
}

namespace {

// The plug-in's own malloc fails for blocks of 512 bytes or more; the C++
// runtime still gets the small ones it needs to throw and catch at all.
using Malloc = void*(__cdecl*)(size_t);
Malloc gMalloc = nullptr;
void* __cdecl MallocOfSmallBlocks(size_t size) { return size >= 512 ? nullptr : gMalloc(size); }

}  // namespace

TEST_F(Exports, OutOfMemoryAnswersFailureInsteadOfEndingTheHost) {
    ScratchImage image("new.iso");
    ASSERT_TRUE(image.IsReady());
    ASSERT_EQ(StoreRecord({"disk.iso", "C:\\disk.iso", 'Q', 3, true, true}), ERROR_SUCCESS);
    LoadedPlugin plugin;
    ASSERT_TRUE(plugin.IsLoaded());
    const PluginExports& fs = plugin.Fs();
    std::string root = "\\", disk = "\\disk.iso", added = "\\new.iso", local = image.Path(), open = "open";
    WIN32_FIND_DATAA fd;
    {
        ImportPatch patch(plugin.Handle(), "msvcrt.dll", "malloc", reinterpret_cast<const void*>(MallocOfSmallBlocks));
        ASSERT_TRUE(patch.IsApplied());
        gMalloc = reinterpret_cast<Malloc>(const_cast<void*>(patch.Original()));
        MessageBoxWatcher watcher;
        EXPECT_EQ(fs.FsInit(1, nullptr, nullptr, nullptr), 0);
        SetLastError(0xdeadbeef);
        EXPECT_EQ(fs.FsFindFirst(root.data(), &fd), INVALID_HANDLE_VALUE);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY));
        EXPECT_FALSE(fs.FsFindNext(nullptr, &fd));
        EXPECT_EQ(fs.FsPutFile(local.data(), added.data(), 0), 3) << "the host's read error";
        EXPECT_FALSE(fs.FsDeleteFile(disk.data()));
        EXPECT_EQ(fs.FsExecuteFile(nullptr, disk.data(), open.data()), 1) << "the interface's error";
        fs.MountAfterReboot(nullptr, nullptr, nullptr, 0);
    }
    // Nothing was left half done: the next calls work.
    EXPECT_EQ(NamesOf(ListFolder(fs)), std::vector<std::string>{"disk.iso"});
    EXPECT_EQ(fs.FsPutFile(local.data(), added.data(), 0), 0);
    EXPECT_EQ(NamesOf(ListFolder(fs)), (std::vector<std::string>{"new.iso", "disk.iso"}));
}
