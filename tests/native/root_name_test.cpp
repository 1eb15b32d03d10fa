#include <gtest/gtest.h>

#include <cstring>

#include "plugin/RootName.h"

using namespace morvane;

TEST(RootName, ShortenedToTheBufferWithItsTerminator) {
    struct Case {
        int size;
        const char* expected;
    };
    const Case cases[] = {{1, ""}, {5, "Morv"}, {8, "Morvane"}, {9, "Morvanes"}, {64, "Morvanes"}};
    for (const Case& c : cases) {
        char buffer[80];
        std::memset(buffer, '#', sizeof buffer);
        CopyRootName(buffer, c.size);
        EXPECT_STREQ(buffer, c.expected) << c.size;
        // Nothing past the terminator is touched.
        EXPECT_EQ(buffer[std::strlen(c.expected) + 1], '#') << c.size;
    }
}

TEST(RootName, NoRoomWritesNothing) {
    for (int size : {0, -1, -100}) {
        char buffer[4] = {'#', '#', '#', '#'};
        CopyRootName(buffer, size);
        EXPECT_EQ(std::memcmp(buffer, "####", 4), 0) << size;
    }
    CopyRootName(nullptr, 10);
}
