// The built-in texts are Windows-1251 bytes whatever the source's encoding,
// and the shipped English file translates exactly what the plug-in shows.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "harness/FileBytes.h"
#include "harness/Plugin.h"
#include "lang/BuiltinTexts.h"
#include "lang/LangFileParser.h"
#include "lang/TextTable.h"
#include "lang/TranslationCheck.h"
#include "support/ExpectedTexts.h"

using namespace morvane;
using namespace morvane::test;

namespace {

// Every identifier of the text table that has a built-in text.
std::vector<uint32_t> LookedUpIdentifiers() {
    std::vector<uint32_t> ids;
    for (const TextEntry& entry : kTextTable)
        if (entry.id != TextId::DeveloperLabel) ids.push_back(Number(entry.id));
    return ids;
}

// ASCII, a Cyrillic letter of Windows-1251 (including the two forms of yo),
// or a Russian quotation mark.
bool IsWindows1251Russian(unsigned char byte) {
    return byte < 0x80 || byte >= 0xC0 || byte == 0xA8 || byte == 0xB8 || byte == 0xAB || byte == 0xBB;
}

}  // namespace

TEST(BuiltinTexts, AreWindows1251BytesAsQuoted) {
    struct Case {
        uint32_t id;
        const char* bytes;
    };
    // The texts that other tests expect are checked here at their source.
    const Case cases[] = {
        {1001, kTextFileNotFound},
        {1004, kTextUnmountOtherImage},
        {1008, kTextUnmountBeforeRemoval},
        {1009, kTextOpenFiles},
        {1010, kTextDataLoss},
        {1011, kTextCommandFailed},
        {1012, kTextDriverMissing},
        {1013, kTextTooManyDevices},
        {1014, kTextSeeReadMe},
        {1015, kTextImageNotAccessible},
        {1017, kTextNotThisImagesDrive},
        {1018, kTextNoDriverPath},
        {14, "\xCE\xE1\xF0\xE0\xE7 \xEF\xEE\xE4\xEA\xEB\xFE\xF7\xB8\xED"},
        {5, " \xD0\xE5\xE6\xE8\xEC \xEF\xEE\xE4\xEA\xEB\xFE\xF7\xE5\xED\xE8\xFF "},
        {13, "\xCF\xE5&\xF0\xE5\xEA\xEB\xFE\xF7\xE8\xF2\xFC"},
        {57, "OK"},
        {8, "&CD/DVD"},
    };
    for (const Case& c : cases) {
        ASSERT_NE(BuiltinText(c.id), nullptr) << c.id;
        EXPECT_EQ(std::string(BuiltinText(c.id)), c.bytes) << c.id;
    }
    EXPECT_EQ(std::string(MissingLanguageFileText()), kTextLanguageFileMissing);
}

TEST(BuiltinTexts, EveryLookedUpIdentifierHasOneAndNoOtherHas) {
    for (uint32_t id : LookedUpIdentifiers()) {
        const char* text = BuiltinText(id);
        ASSERT_NE(text, nullptr) << id;
        EXPECT_NE(text[0], '\0') << id;
        for (const char* p = text; *p; ++p) {
            EXPECT_TRUE(IsWindows1251Russian(static_cast<unsigned char>(*p))) << id << " at " << (p - text);
            EXPECT_NE(*p, '\r') << id << ": a line break is one line feed";
        }
    }
    for (uint32_t id : {0u, 16u, 49u, 53u, 54u, 58u, 99u, 104u, 1000u, 1019u, 2147483647u}) {
        EXPECT_EQ(BuiltinText(id), nullptr) << id;
    }
}

TEST(BuiltinTexts, FormattedOnesCarryTheirConversions) {
    // The texts that the check guards are the ones with conversions.
    for (uint32_t id : LookedUpIdentifiers()) {
        EXPECT_EQ(std::string(BuiltinText(id)).find('%') != std::string::npos, IsFormattedText(id)) << id;
    }
}

TEST(ShippedEnglish, TranslatesEveryShownTextWithTheSamePlaceholders) {
    const std::string bytes = FileBytes(TestProgramDirectory() + "Language\\MV_eng.lng").value_or("");
    ASSERT_FALSE(bytes.empty()) << "the build puts MV_eng.lng into the Language folder beside the plug-in";
    for (size_t i = 0; i < bytes.size(); ++i) {
        ASSERT_LT(static_cast<unsigned char>(bytes[i]), 0x80) << "ASCII only, at " << i;
    }
    EXPECT_FALSE(bytes[0] >= '0' && bytes[0] <= '9') << "it begins with a descriptive line";

    LangTable table = ParseLanguageFile(bytes);
    for (uint32_t id : LookedUpIdentifiers()) {
        const auto it = table.find(id);
        ASSERT_NE(it, table.end()) << id;
        EXPECT_FALSE(it->second.empty()) << id;
        EXPECT_TRUE(AcceptTranslation(id, it->second, BuiltinText(id))) << id << ": " << it->second;
        table.erase(it);
    }
    // 53 selects the English developer lines.
    ASSERT_EQ(table.count(53), 1u);
    EXPECT_EQ(table[53], "Developer:");
    table.erase(53);
    EXPECT_TRUE(table.empty()) << "translates " << table.begin()->first << ", which is never shown";
}
