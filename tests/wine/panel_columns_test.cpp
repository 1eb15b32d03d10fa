// The custom columns through the real plug-in's content calls, as the file
// manager makes them: the fields, their values after a listing, in the ANSI
// and the wide call, and the folder's default view.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "harness/Plugin.h"
#include "harness/ScratchImage.h"
#include "harness/StoredRecords.h"
#include "support/CleanRegistry.h"
#include "support/FolderListing.h"
#include "support/ProgramApp.h"
#include "support/StandInFixture.h"

using namespace morvane;
using namespace morvane::test;

namespace {

constexpr char kCanary = '#';
constexpr int kBoolean = 6, kMultipleChoice = 7, kString = 8, kStringW = 11;
constexpr int kNoMoreFields = 0, kNoSuchField = -1, kFieldEmpty = -3;

std::string Narrow(const std::wstring& wide) {
    std::string text;
    for (wchar_t c : wide) text.push_back(static_cast<char>(c));
    return text;
}

// A value as both calls answer it: its type and its text ("1"/"0" for a
// boolean, empty for none).
struct Value {
    int type;
    std::string text;
    bool operator==(const Value& other) const { return type == other.type && text == other.text; }
};

std::ostream& operator<<(std::ostream& out, const Value& value) {
    return out << value.type << " \"" << value.text << '"';
}

std::string BooleanText(const void* value) {
    int32_t flag = 0;
    std::memcpy(&flag, value, sizeof flag);
    return std::to_string(flag);
}

Value AnsiValue(const PluginExports& fs, const std::string& name, int field) {
    char value[512];
    std::memset(value, kCanary, sizeof value);
    std::string remote = name;
    const int type = fs.FsContentGetValue(remote.data(), field, 0, value, 256, 0);
    EXPECT_EQ(value[256], kCanary) << "written past maxlen";
    if (type == kBoolean) return {type, BooleanText(value)};
    if (type == kString || type == kMultipleChoice) return {type, value};
    return {type, ""};
}

// The wide call, its strings narrowed (the tests' texts are ASCII) and typed
// as the ANSI call types them.
Value WideValue(const PluginExports& fs, const std::string& name, int field) {
    wchar_t value[256];
    std::memset(value, kCanary, sizeof value);
    std::wstring remote(name.begin(), name.end());
    const int type = fs.FsContentGetValueW(remote.data(), field, 0, value, 256, 0);
    EXPECT_EQ(reinterpret_cast<char*>(value)[256], kCanary) << "written past maxlen";
    if (type == kBoolean) return {type, BooleanText(value)};
    if (type == kMultipleChoice) return {type, reinterpret_cast<char*>(value)};
    if (type == kStringW) return {kString, Narrow(value)};
    return {type, ""};
}

class PanelColumns : public StandInTest {};

}  // namespace

TEST(PanelColumnFields, AreListedFromTheFirstCallOnAndBeforeFsInit) {
    struct Field {
        const char* name;
        const char* units;
        int type;
    };
    const Field fields[] = {
        {"Drive", "", kString},
        {"Mode", "Hard disk|Floppy|CD/DVD", kMultipleChoice},
        {"Read-only", "", kBoolean},
        {"Mounted", "", kBoolean},
        {"Restore at logon", "", kBoolean},
        {"Image path", "", kString},
    };
    LoadedPlugin plugin;
    ASSERT_TRUE(plugin.IsLoaded());
    const PluginExports& fs = plugin.Fs();
    for (const bool initialised : {false, true}) {
        SCOPED_TRACE(initialised ? "after FsInit" : "before FsInit");
        if (initialised) fs.FsInit(1, nullptr, nullptr, nullptr);
        EXPECT_EQ(fs.FsContentGetSupportedFieldFlags(-1), 0);
        for (int index = 0; index <= 6; ++index) {
            char name[64], units[64];
            std::memset(name, kCanary, sizeof name);
            std::memset(units, kCanary, sizeof units);
            const int type = fs.FsContentGetSupportedField(index, name, units, 32);
            if (index == 6) {
                EXPECT_EQ(type, kNoMoreFields);
                continue;
            }
            EXPECT_EQ(type, fields[index].type) << index;
            EXPECT_STREQ(name, fields[index].name);
            EXPECT_STREQ(units, fields[index].units);
            EXPECT_EQ(name[32], kCanary);
            EXPECT_EQ(fs.FsContentGetSupportedFieldFlags(index), 0);
        }
    }
    // Cut to fit its buffer, never past it.
    char name[16];
    std::memset(name, kCanary, sizeof name);
    EXPECT_EQ(fs.FsContentGetSupportedField(5, name, nullptr, 6), kString);
    EXPECT_STREQ(name, "Image");
    EXPECT_EQ(name[6], kCanary);
}

TEST_F(PanelColumns, ValuesAreWhatTheLastListingFound) {
    ScratchImage cd("cd.iso"), floppy("boot.img"), disk("disk.vhd");
    ASSERT_TRUE(cd.IsReady() && floppy.IsReady() && disk.IsReady());
    CFileInfo mounted = MakeRecord({"cd.iso", cd.Path(), letter_, kModeCdDvd | kModeReadOnly, false, true});
    ASSERT_TRUE(SaveNewRecord(mounted));
    ASSERT_TRUE(MountRecord(mounted, "cd.iso"));
    ASSERT_EQ(StoreRecord({"boot.img", floppy.Path(), 'B', kModeFloppy | kModeReadOnly, false, false}), ERROR_SUCCESS);
    ASSERT_EQ(StoreRecord({"disk.vhd", disk.Path(), 'Z', 0, false, true}), ERROR_SUCCESS);
    // Marked mounted on Q:, where no driver serves it.
    ASSERT_EQ(StoreRecord({"ghost.iso", "C:\\ghost.iso", 'Q', kModeCdDvd | kModeReadOnly, true, false}), ERROR_SUCCESS);

    LoadedPlugin plugin;
    ASSERT_TRUE(plugin.IsLoaded());
    const PluginExports& fs = plugin.Fs();
    fs.FsInit(1, nullptr, nullptr, nullptr);
    EXPECT_EQ(AnsiValue(fs, "\\cd.iso", 1), (Value{kFieldEmpty, ""})) << "nothing before the first listing";
    ASSERT_EQ(ListFolder(fs).entries.size(), 4u);
    // Values come from the listing: the store is gone now, the drive stays.
    RemovePluginRegistryState();

    const std::string drive{letter_, ':'};
    const Value empty{kFieldEmpty, ""}, yes{kBoolean, "1"}, no{kBoolean, "0"};
    struct Row {
        std::string name;
        std::vector<Value> values;  // drive, mode, read-only, mounted, restore, image path
    };
    const Row rows[] = {
        {"\\cd.iso", {{kString, drive}, {kMultipleChoice, "CD/DVD"}, yes, yes, yes, {kString, cd.Path()}}},
        {"\\BOOT.IMG", {empty, {kMultipleChoice, "Floppy"}, yes, no, no, {kString, floppy.Path()}}},
        {"\\disk.vhd", {empty, {kMultipleChoice, "Hard disk"}, no, no, yes, {kString, disk.Path()}}},
        {"\\ghost.iso", {empty, {kMultipleChoice, "CD/DVD"}, yes, no, no, {kString, "C:\\ghost.iso"}}},
        {"\\nothing.iso", {empty, empty, empty, empty, empty, empty}},
        {"\\dir\\cd.iso", {empty, empty, empty, empty, empty, empty}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        for (int field = 0; field < 6; ++field) {
            EXPECT_EQ(AnsiValue(fs, row.name, field), row.values[field]) << "field " << field;
            EXPECT_EQ(WideValue(fs, row.name, field), row.values[field]) << "field " << field;
        }
        for (int field : {-1, 6}) {
            EXPECT_EQ(AnsiValue(fs, row.name, field).type, kNoSuchField);
            EXPECT_EQ(WideValue(fs, row.name, field).type, kNoSuchField);
        }
    }
    // The next listings find the store as it is then; the third fills the
    // memory of the first again.
    ASSERT_EQ(StoreRecord({"new.img", "C:\\new.img", 'B', kModeFloppy, false, false}), ERROR_SUCCESS);
    for (int listing = 2; listing <= 3; ++listing) {
        SCOPED_TRACE(listing);
        ASSERT_EQ(ListFolder(fs).entries.size(), 1u);
        EXPECT_EQ(WideValue(fs, "\\new.img", 1), (Value{kMultipleChoice, "Floppy"}));
        EXPECT_EQ(WideValue(fs, "\\new.img", 5), (Value{kString, "C:\\new.img"}));
        EXPECT_EQ(AnsiValue(fs, "\\cd.iso", 1), empty);
    }
    fs.FsContentPluginUnloading();
    EXPECT_EQ(AnsiValue(fs, "\\new.img", 1), empty);
}

TEST(PanelColumnView, IsTheFoldersDefaultViewInBothCalls) {
    const std::vector<std::string> expected = {
        "[=<fs>.Drive]\\n[=<fs>.Mode]\\n[=<fs>.Mounted]\\n[=<fs>.Restore at logon]\\n[=<fs>.Image path]",
        "Drive\\nMode\\nMounted\\nRestore\\nImage path", "148,23,35,55,50,50,250", "-1|0"};
    LoadedPlugin plugin;
    ASSERT_TRUE(plugin.IsLoaded());
    const PluginExports& fs = plugin.Fs();
    char ansi[4][256];
    std::memset(ansi, kCanary, sizeof ansi);
    ASSERT_TRUE(fs.FsContentGetDefaultView(ansi[0], ansi[1], ansi[2], ansi[3], 128));
    wchar_t wide[4][128];
    ASSERT_TRUE(fs.FsContentGetDefaultViewW(wide[0], wide[1], wide[2], wide[3], 128));
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(ansi[i], expected[i]);
        EXPECT_EQ(ansi[i][128], kCanary);
        EXPECT_EQ(Narrow(wide[i]), expected[i]);
    }
    // Too small for the contents: no view at all rather than one cut short.
    std::memset(ansi, kCanary, sizeof ansi);
    EXPECT_FALSE(fs.FsContentGetDefaultView(ansi[0], ansi[1], ansi[2], ansi[3], 40));
    EXPECT_EQ(ansi[0][0], kCanary);
}
