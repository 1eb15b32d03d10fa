// The initialisation data of dialog templates, read from bytes that may be
// damaged.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "ui/DialogInitData.h"

using namespace morvane::ui;

namespace {

// The literal's bytes, zero bytes included, without the terminating one.
template <size_t N>
std::string Raw(const char (&literal)[N]) {
    return std::string(literal, N - 1);
}

std::vector<uint8_t> Bytes(const std::string& text) { return std::vector<uint8_t>(text.begin(), text.end()); }

}  // namespace

TEST(ParseDialogInitData, ReadsEntriesUpToTheEndMarker) {
    struct Case {
        const char* what;
        std::string bytes;
        std::vector<DialogInitEntry> entries;
    };
    const Case cases[] = {
        {"the settings template's item",
         Raw("\xF3\x03\x03\x04\x11\0\0\0<main> (Russian)\0\0\0"),
         {{1011, 0x0403, "<main> (Russian)"}}},
        {"no entries", Raw("\0\0"), {}},
        {"an odd length leaves the next entry unaligned",
         Raw("\x05\0\x34\x12\x03\0\0\0ab\0\x06\0\x01\x04\x02\0\0\0x\0\0\0"),
         {{5, 0x1234, "ab"}, {6, 0x0401, "x"}}},
        {"data without a zero byte", Raw("\x07\0\x03\x04\x02\0\0\0ok\0\0"), {{7, 0x0403, "ok"}}},
        {"bytes after the end marker", Raw("\0\0garbage"), {}},
    };
    for (const Case& c : cases) {
        const std::vector<uint8_t> bytes = Bytes(c.bytes);
        const auto entries = ParseDialogInitData(bytes.data(), bytes.size());
        ASSERT_TRUE(entries.has_value()) << c.what;
        ASSERT_EQ(entries->size(), c.entries.size()) << c.what;
        for (size_t i = 0; i < c.entries.size(); ++i) {
            EXPECT_EQ((*entries)[i].controlId, c.entries[i].controlId) << c.what;
            EXPECT_EQ((*entries)[i].message, c.entries[i].message) << c.what;
            EXPECT_EQ((*entries)[i].text, c.entries[i].text) << c.what;
        }
    }
}

TEST(ParseDialogInitData, RefusesDataThatRunsPastItsEnd) {
    const std::pair<const char*, std::string> cases[] = {
        {"nothing at all", ""},
        {"half an end marker", Raw("\0")},
        {"no end marker", Raw("\x07\0\x03\x04\x01\0\0\0x")},
        {"a header cut short", Raw("\x07\0\x03\x04\x01\0")},
        {"a length past the end", Raw("\x07\0\x03\x04\x09\0\0\0abc\0\0")},
        {"a length near 4 GiB", Raw("\x07\0\x03\x04\xFF\xFF\xFF\xFF"
                                    "abc\0\0")},
    };
    for (const auto& [what, text] : cases) {
        const std::vector<uint8_t> bytes = Bytes(text);
        EXPECT_FALSE(ParseDialogInitData(bytes.data(), bytes.size()).has_value()) << what;
    }
}
