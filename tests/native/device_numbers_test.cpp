// The lowest free device number of a family, from the catalogue's records.
#include <gtest/gtest.h>

#include <vector>

#include "operations/DeviceNumbers.h"

using namespace morvane;

namespace {

constexpr int kHardDisk = 0;
constexpr int kCd = 1;
constexpr int kFloppy = 2;

std::vector<DeviceUse> AllHeld(int family) {
    std::vector<DeviceUse> uses;
    for (uint32_t n = 0; n < 32; ++n) uses.push_back({family, n, true});
    return uses;
}

}  // namespace

TEST(LowestFreeDeviceNumber, ByFamilyFromMountedRecordsOnly) {
    struct Case {
        const char* what;
        int family;
        std::vector<DeviceUse> uses;
        int expected;
    };
    const Case cases[] = {
        {"empty catalogue", kCd, {}, 0},
        {"0 and 1 held", kCd, {{kCd, 0, true}, {kCd, 1, true}}, 2},
        {"held in another family", kHardDisk, {{kCd, 0, true}, {kCd, 1, true}}, 0},
        {"floppies count apart", kFloppy, {{kHardDisk, 0, true}, {kCd, 0, true}}, 0},
        {"0 freed again", kCd, {{kCd, 0, false}, {kCd, 1, true}, {kCd, 2, true}}, 0},
        {"gap in the middle", kCd, {{kCd, 0, true}, {kCd, 2, true}}, 1},
        {"order does not matter", kCd, {{kCd, 2, true}, {kCd, 1, true}, {kCd, 0, true}}, 3},
        {"not marked mounted holds nothing", kHardDisk, {{kHardDisk, 0, false}}, 0},
        {"number modulo 32", kCd, {{kCd, 32, true}}, 1},
        {"number modulo 32, high", kCd, {{kCd, 0, true}, {kCd, 33, true}, {kCd, 0xFFFFFFE2u, true}}, 3},
        {"two records on one number", kFloppy, {{kFloppy, 0, true}, {kFloppy, 0, true}}, 1},
        {"all 32 held", kHardDisk, AllHeld(kHardDisk), 32},
        {"all 32 of another family", kCd, AllHeld(kHardDisk), 0},
    };
    for (const Case& c : cases) EXPECT_EQ(LowestFreeDeviceNumber(c.family, c.uses), c.expected) << c.what;
}

TEST(LowestFreeDeviceNumber, AllButOneHeld) {
    for (uint32_t free = 0; free < 32; ++free) {
        std::vector<DeviceUse> uses = AllHeld(kCd);
        uses[free].mounted = false;
        EXPECT_EQ(LowestFreeDeviceNumber(kCd, uses), static_cast<int>(free));
    }
}
