#include <gtest/gtest.h>

#include "lang/PrintfConversions.h"
#include "lang/TranslationCheck.h"

using namespace morvane;

TEST(PrintfConversions, ListsTheConversionsInOrder) {
    const auto conversions = PrintfConversions("Drive %c: has %-10.3s, code %i, size %I64u, 100%%");
    ASSERT_TRUE(conversions.has_value());
    const std::vector<PrintfConversion> expected = {{"", 'c'}, {"", 's'}, {"", 'd'}, {"I64", 'u'}};
    EXPECT_EQ(*conversions, expected);
}

TEST(PrintfConversions, RefusesWhatCannotBeCheckedOrWritesMemory) {
    for (const char* format : {"%n", "text %hn", "%*s", "%.*s", "%1$s", "%", "abc %", "%-", "%5", "%.", "%l",
                               "%y", "% ", "%$", "%!"}) {
        EXPECT_FALSE(PrintfConversions(format).has_value()) << format;
    }
}

TEST(PrintfConversions, PercentPercentTakesNoArgument) {
    for (const char* format : {"100%%", "%%s", "%%%%", "a%%b%%c", ""}) {
        const auto conversions = PrintfConversions(format);
        ASSERT_TRUE(conversions.has_value()) << format;
        EXPECT_TRUE(conversions->empty()) << format;
    }
}

TEST(PrintfConversions, SameArgumentsInKindAndOrder) {
    struct Case {
        const char* candidate;
        const char* reference;
        bool same;
    };
    const Case cases[] = {
        {"Drive %c: has %s mounted.", "\xC4\xE8\xF1\xEA %c: %s", true},
        {"Image %s, drive %c:", "%s %c", true},
        {"plain text", "plain text", true},
        {"", "", true},
        {"%s", "%c", false},             // a pointer read where a character was passed
        {"%s %c", "%c %s", false},       // order swapped
        {"%c %s %s", "%c %s", false},    // an argument that was never passed
        {"%c", "%c %s", false},          // one left out: refused too, kind and order must match
        {"%c %s %n", "%c %s", false},    // writes through an argument
        {"%c %5s", "%c %s", true},       // width only pads
        {"%c %-20.10s", "%c %s", true},  // so do flags and precision
        {"Code %05d.", "%d.", true},
        {"100%% %d", "%d", true},
        {"%%d %d", "%d", true},
        {"%%d", "%d", false},
        {"%i", "%d", true},
        {"%u", "%d", false},
        {"%ld", "%d", false},
        {"%lld", "%d", false},
        {"%I64d", "%d", false},
        {"%ls", "%s", false},
        {"%S", "%s", false},
        {"%*d", "%d", false},
        {"%1$d", "%d", false},
        {"%d %", "%d", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SamePrintfConversions(c.candidate, c.reference), c.same) << c.candidate << " | " << c.reference;
    }
}

TEST(TranslationCheck, OnlyFormattedTextsMustKeepTheirConversions) {
    const char* kMountedAs = "\xC4\xE8\xF1\xEA %s %c:?";
    for (uint32_t id : {1004u, 1006u, 1007u, 1008u, 1011u}) {
        EXPECT_TRUE(IsFormattedText(id)) << id;
    }
    EXPECT_TRUE(AcceptTranslation(1006, "Is image %s really mounted as drive %c:?", kMountedAs));
    EXPECT_FALSE(AcceptTranslation(1006, "Is image %s really mounted as drive %s:?", kMountedAs));
    EXPECT_FALSE(AcceptTranslation(1011, "Error %s", "%d."));
    EXPECT_FALSE(AcceptTranslation(1011, "Error %n%d", "%d."));
    // Texts that nobody formats may carry any percent sign.
    for (uint32_t id : {1u, 53u, 1001u, 1005u, 1009u, 1014u, 54u, 99999u}) {
        EXPECT_FALSE(IsFormattedText(id)) << id;
        EXPECT_TRUE(AcceptTranslation(id, "100% %s %n", "plain")) << id;
    }
}
