#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/DropRepeats.h"

using namespace morvane;

TEST(DropRepeats, KeepsTheFirstReadOfEachValueInOrder) {
    struct Case {
        std::vector<std::wstring> reads;
        // Which reads stay, by their place among the reads.
        std::vector<uint32_t> kept;
    };
    const Case cases[] = {
        {{}, {}},
        {{L"b.iso", L"a.iso", L"c.iso"}, {0, 1, 2}},
        {{L"b.iso", L"a.iso", L"b.iso", L"c.iso", L"a.iso"}, {0, 1, 3}},
        {{L"a.iso", L"a.iso", L"a.iso"}, {0}},
        // Value names that differ in case are different values.
        {{L"A.iso", L"a.iso"}, {0, 1}},
    };
    for (const Case& c : cases) {
        std::vector<StoredImage> images;
        for (const std::wstring& name : c.reads) {
            StoredImage image{name, EmptyFileInfo(), std::wstring()};
            image.record.findData.nFileSizeLow = static_cast<uint32_t>(images.size());
            images.push_back(image);
        }
        DropRepeats(images);
        std::vector<uint32_t> kept;
        for (const StoredImage& image : images) {
            kept.push_back(image.record.findData.nFileSizeLow);
            EXPECT_EQ(image.valueName, c.reads[image.record.findData.nFileSizeLow]);
        }
        EXPECT_EQ(kept, c.kept);
    }
}
