#include <gtest/gtest.h>

#include "plugin/VersionString.h"

using namespace morvane;

TEST(VersionString, StageByTheLastThreeDigitsOfTheBuild) {
    struct Case {
        uint16_t build;
        const char* text;
    };
    const Case cases[] = {
        {0, "2.0.7"},
        {1, "2.0.7 Alpha 1 (build 1)"},
        {100, "2.0.7 Alpha 100 (build 100)"},
        {101, "2.0.7 Beta 1 (build 101)"},
        {200, "2.0.7 Beta 100 (build 200)"},
        {201, "2.0.7 RC 1 (build 201)"},
        {299, "2.0.7 RC 99 (build 299)"},
        {300, "2.0.7 Final (build 300)"},
        {399, "2.0.7 Final (build 399)"},
        {400, "2.0.7 SR 1 (build 400)"},
        {999, "2.0.7 SR 6 (build 999)"},
        {1000, "2.0.7"},
        {2305, "2.0.7 Final (build 2305)"},
        {65535, "2.0.7 SR 2 (build 65535)"},
    };
    for (const Case& c : cases) EXPECT_EQ(VersionString(2, 0, 7, c.build), c.text) << c.build;
}
