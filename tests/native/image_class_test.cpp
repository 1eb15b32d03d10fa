#include <gtest/gtest.h>

#include <string>

#include "catalogue/FileInfo.h"
#include "imageops/ImageClass.h"

using namespace morvane;

TEST(ExtensionOf, PartAfterTheLastFullStop) {
    EXPECT_EQ(ExtensionOf("a.b.nrg"), "nrg");
    EXPECT_EQ(ExtensionOf("image."), "");
    EXPECT_EQ(ExtensionOf("raw"), "");
    EXPECT_EQ(ExtensionOf(".iso"), "iso");
    EXPECT_EQ(ExtensionOf(""), "");
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
    for (uint32_t size : {0u, 512u, 1440u, 1457664u, 1474560u * 2 + 1})
        EXPECT_FALSE(IsFloppySize(0, size)) << size;
}

TEST(ClassifyImage, FirstRuleThatHolds) {
    struct Case {
        const char* name;
        uint32_t high;
        uint32_t low;
        char letter;
        uint32_t mode;
    };
    const Case cases[] = {
        {"movie.ISO", 0, 123, 'Z', 3},
        {"movie.iso", 2, 0, 'Z', 3},
        {"disc.Bin", 0, 0, 'Z', 3},
        {"dvd.nRg", 0, 1474560, 'Z', 3},
        {"backup.iso", 0, 1474560, 'Z', 3},  // extension before size
        {"a.b.nrg", 0, 1, 'Z', 3},
        {"boot.img", 0, 1474560, 'B', 4},
        {"boot.img", 0, 1474561, 'Z', 0},
        {"boot.ima", 0, 2949120, 'B', 4},
        {"raw", 0, 737280, 'B', 4},
        {"image.", 0, 163840, 'B', 4},
        {"huge.img", 1, 1474560, 'Z', 0},
        {"iso", 0, 5, 'Z', 0},           // no full stop: no extension
        {"disk.iso.bak", 0, 5, 'Z', 0},  // only the last extension counts
        {"disk.isoo", 0, 5, 'Z', 0},
        {"disk.is", 0, 5, 'Z', 0},
        {"\xC4\xE8\xF1\xEA.iso", 0, 5, 'Z', 3},  // a Windows-1251 name
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.high) + ":" + std::to_string(c.low));
        const ImageDefaults d = ClassifyImage(c.name, c.high, c.low);
        EXPECT_EQ(d.driveLetter, c.letter);
        EXPECT_EQ(d.mountMode, c.mode);
    }
}
