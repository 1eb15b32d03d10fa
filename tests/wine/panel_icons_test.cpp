// The icons the folder shows, and the icon and version resources the plug-in
// carries, read back from its file.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "harness/Plugin.h"
#include "res/ResourceIds.h"
#include "support/CleanRegistry.h"
#include "win32/UniqueHandle.h"

using namespace morvane;
using namespace morvane::test;

namespace {

class PanelIcons : public CleanRegistryTest {
protected:
    void SetUp() override {
        CleanRegistryTest::SetUp();
        ASSERT_TRUE(plugin_.IsLoaded());
        ASSERT_NE(plugin_.Fs().FsExtractCustomIcon, nullptr);
    }

    // The answer and the icon for `name`; the icon is left as it was (junk)
    // when nothing is stored.
    std::pair<int, HICON> Icon(const std::string& name, int flags = 0) {
        std::string remote = name;
        HICON icon = kUntouched;
        const int result = plugin_.Fs().FsExtractCustomIcon(remote.data(), flags, &icon);
        return {result, icon};
    }

    static inline const HICON kUntouched = reinterpret_cast<HICON>(0xBAD);
    LoadedPlugin plugin_;
};

// (width, height, bits per pixel) of each image of an icon group.
using Images = std::vector<std::tuple<int, int, int>>;

#pragma pack(push, 2)
struct GroupEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

Images GroupImages(HMODULE module, WORD group) {
    Images images;
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(group), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    if (!found) return images;
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
    const DWORD size = SizeofResource(module, found);
    if (!data || size < 6) return images;
    const WORD count = reinterpret_cast<const WORD*>(data)[2];
    if (size < 6 + count * sizeof(GroupEntry)) return images;
    for (WORD i = 0; i < count; ++i) {
        GroupEntry entry;
        std::memcpy(&entry, data + 6 + i * sizeof entry, sizeof entry);
        images.emplace_back(entry.width ? entry.width : 256, entry.height ? entry.height : 256, entry.bitCount);
    }
    return images;
}

std::vector<BYTE> FixedVersion(HMODULE module, WORD language) {
    HRSRC found = FindResourceExA(module, MAKEINTRESOURCEA(16), MAKEINTRESOURCEA(1), language);  // RT_VERSION
    if (!found) return {};
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
    const DWORD size = SizeofResource(module, found);
    // The fixed part follows the block's header and its key, on a DWORD boundary.
    for (DWORD at = 0; data && at + sizeof(VS_FIXEDFILEINFO) <= size; at += 4) {
        VS_FIXEDFILEINFO fixed;
        std::memcpy(&fixed, data + at, sizeof fixed);
        if (fixed.dwSignature == 0xFEEF04BD) return std::vector<BYTE>(data + at, data + at + sizeof fixed);
    }
    return {};
}

}  // namespace

TEST_F(PanelIcons, ChosenByTheLastExtensionAlone) {
    struct Case {
        const char* name;
        int kind;  // 0: the host's default, 1: CD/DVD, 2: disk image
    };
    const Case cases[] = {
        {"\\Game.ISO", 1},           {"\\movie.bin", 1},     {"\\x.NrG", 1},
        {"\\archive.tar.nrg", 1},    {"\\floppy.IMA", 2},    {"\\disk.img", 2},
        {"\\x.iso.txt", 0},          {"\\readme", 0},        {"\\name.", 0},
        {"\\disk.vhd", 0},           {"\\dir.iso\\file", 0}, {"\\", 0},
        {"\\not catalogued.iso", 1},
    };
    HICON cd = nullptr, disk = nullptr;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto [result, icon] = Icon(c.name);
        EXPECT_EQ(result, c.kind == 0 ? 0 : 1);
        if (c.kind == 0) {
            EXPECT_EQ(icon, kUntouched) << "nothing is stored";
            continue;
        }
        HICON& same = c.kind == 1 ? cd : disk;
        if (!same) same = icon;
        EXPECT_EQ(icon, same) << "one shared icon of the module";
        EXPECT_EQ(Icon(c.name, 1).second, icon) << "the small-icon flag changes nothing";
    }
    EXPECT_NE(cd, nullptr);
    EXPECT_NE(disk, nullptr);
    EXPECT_NE(cd, disk);
}

TEST_F(PanelIcons, ResourcesHoldTheListedImagesAndAgreeInBothLanguages) {
    const win32::Module file(
        LoadLibraryExA((TestProgramDirectory() + "Morvane.wfx64").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    ASSERT_TRUE(file);
    const std::vector<std::pair<WORD, Images>> groups = {
        {IDI_PROGRAM,
         {{48, 48, 4},
          {32, 32, 4},
          {16, 16, 4},
          {48, 48, 8},
          {32, 32, 8},
          {16, 16, 8},
          {48, 48, 32},
          {32, 32, 32},
          {16, 16, 32}}},
        {IDI_HOME_PAGE, {{32, 32, 8}, {32, 32, 32}}},
        {IDI_CD_IMAGE,
         {{32, 32, 4}, {16, 16, 4}, {48, 48, 8}, {32, 32, 8}, {16, 16, 8}, {48, 48, 32}, {32, 32, 32}, {16, 16, 32}}},
        {IDI_DISK_IMAGE, {{48, 48, 32}, {32, 32, 32}, {16, 16, 32}}},
    };
    for (const auto& [group, images] : groups) EXPECT_EQ(GroupImages(file.Get(), group), images) << group;
    EXPECT_NE(FindResourceA(file.Get(), MAKEINTRESOURCEA(IDB_MAIL), MAKEINTRESOURCEA(2)), nullptr) << "the bitmap";

    const std::vector<BYTE> english = FixedVersion(file.Get(), MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    const std::vector<BYTE> russian = FixedVersion(file.Get(), MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT));
    ASSERT_FALSE(english.empty());
    EXPECT_EQ(english, russian);
}
