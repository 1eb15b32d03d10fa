#include <gtest/gtest.h>

#include <string>

#include "catalogue/FileInfo.h"
#include "operations/ImageClass.h"

using namespace morvane;

TEST(ExtensionOf, PartAfterTheLastFullStop) {
    EXPECT_EQ(ExtensionOf(L"a.b.nrg"), L"nrg");
    EXPECT_EQ(ExtensionOf(L"image."), L"");
    EXPECT_EQ(ExtensionOf(L"raw"), L"");
    EXPECT_EQ(ExtensionOf(L".iso"), L"iso");
    EXPECT_EQ(ExtensionOf(L""), L"");
}

TEST(IsFloppySize, ExactlyTheNineSizesWithAZeroHighHalf) {
    const uint32_t floppies[] = {163840, 184320, 327680, 368640, 655360, 737280, 1228800, 1474560, 2949120};
    for (uint32_t size : floppies) {
        EXPECT_TRUE(IsFloppySize(0, size)) << size;
        EXPECT_FALSE(IsFloppySize(0, size + 1)) << size;
        EXPECT_FALSE(IsFloppySize(0, size - 512)) << size;
        // 4 GiB more is no floppy, though the low half matches.
        EXPECT_FALSE(IsFloppySize(1, size)) << size;
    }
    for (uint32_t size : {0u, 512u, 1440u, 1457664u, 1474560u * 2 + 1}) EXPECT_FALSE(IsFloppySize(0, size)) << size;
}

TEST(ClassifyImage, FirstRuleThatHolds) {
    struct Case {
        const wchar_t* name;
        uint32_t high;
        uint32_t low;
        char letter;
        uint32_t mode;
    };
    const Case cases[] = {
        {L"movie.ISO", 0, 123, 'Z', 3},
        {L"movie.iso", 2, 0, 'Z', 3},
        {L"disc.Bin", 0, 0, 'Z', 3},
        {L"dvd.nRg", 0, 1474560, 'Z', 3},
        {L"backup.iso", 0, 1474560, 'Z', 3},  // extension before size
        {L"a.b.nrg", 0, 1, 'Z', 3},
        {L"boot.img", 0, 1474560, 'B', 4},
        {L"boot.img", 0, 1474561, 'Z', 0},
        {L"boot.ima", 0, 2949120, 'B', 4},
        {L"raw", 0, 737280, 'B', 4},
        {L"image.", 0, 163840, 'B', 4},
        {L"huge.img", 1, 1474560, 'Z', 0},
        {L"iso", 0, 5, 'Z', 0},           // no full stop: no extension
        {L"disk.iso.bak", 0, 5, 'Z', 0},  // only the last extension counts
        {L"disk.isoo", 0, 5, 'Z', 0},
        {L"disk.is", 0, 5, 'Z', 0},
        {L"\u0414\u0438\u0441\u043a \u2603.iso", 0, 5, 'Z', 3},  // beyond ASCII and any code page
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.name)) + " " + std::to_string(c.high) + ":" +
                     std::to_string(c.low));
        const ImageDefaults d = ClassifyImage(c.name, c.high, c.low);
        EXPECT_EQ(d.driveLetter, c.letter);
        EXPECT_EQ(d.mountMode, c.mode);
    }
}
