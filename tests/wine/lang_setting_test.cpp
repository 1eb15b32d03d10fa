// The language choice in the registry: what counts as a stored choice, and
// what is written back.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "lang/LangSetting.h"
#include "lang/SettingsKey.h"
#include "support/CleanRegistry.h"
#include "support/StoredLangSetting.h"
#include "win32/AnsiText.h"
#include "win32/RegKey.h"

using namespace morvane;
using namespace morvane::test;

namespace {

class LangSetting : public CleanRegistryTest {};

std::string ReadSetting() { return win32::AnsiText(ReadLangSetting()); }
bool SaveSetting(const std::string& langFile) { return SaveLangSetting(win32::WideText(langFile)); }

std::string Zeros(const std::string& text) { return text + std::string(1, '\0'); }

}  // namespace

TEST_F(LangSetting, WithoutKeyOrValueTheEnglishFileIsChosen) {
    EXPECT_EQ(ReadSetting(), "MV_eng.lng");
    win32::RegKey key;
    ASSERT_EQ(key.Create(HKEY_CURRENT_USER, kSettingsKey, KEY_WRITE), ERROR_SUCCESS);
    EXPECT_EQ(ReadSetting(), "MV_eng.lng");
}

TEST_F(LangSetting, StoredValueIsTakenUpToItsFirstZero) {
    struct Case {
        const char* what;
        DWORD type;
        std::string bytes;
        std::string expected;
    };
    const std::string longest(259, 'x');
    const Case cases[] = {
        {"string", REG_SZ, Zeros("MV_deu.lng"), "MV_deu.lng"},
        {"expandable string", REG_EXPAND_SZ, Zeros("MV_fra.lng"), "MV_fra.lng"},
        {"text after the first zero", REG_SZ, Zeros(Zeros("a.lng") + "b.lng"), "a.lng"},
        {"blanks kept", REG_SZ, Zeros(" a b.lng "), " a b.lng "},
        {"multi-string: the first", REG_MULTI_SZ, Zeros(Zeros(Zeros("a.lng") + "b.lng")), "a.lng"},
        {"multi-string of one", REG_MULTI_SZ, Zeros(Zeros("c.lng")), "c.lng"},
        {"the built-in language", REG_SZ, Zeros("<main> (Russian)"), "<main> (Russian)"},
        {"259 bytes and the zero fill the buffer", REG_SZ, Zeros(longest), longest},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(StoreLangSetting(c.type, c.bytes), ERROR_SUCCESS);
        EXPECT_EQ(ReadSetting(), c.expected) << c.what;
    }
}

TEST_F(LangSetting, UnusableValueFallsBackToTheEnglishFile) {
    struct Case {
        const char* what;
        DWORD type;
        std::string bytes;
    };
    const Case cases[] = {
        {"empty string of size 0", REG_SZ, ""},
        {"empty string", REG_SZ, Zeros("")},
        {"double word", REG_DWORD, std::string("\x01\x00\x00\x00", 4)},
        {"binary that looks like a string", REG_BINARY, Zeros("MV_deu.lng")},
        {"no type", REG_NONE, Zeros("MV_deu.lng")},
        {"too long by one byte", REG_SZ, Zeros(std::string(260, 'y'))},
        {"far too long", REG_SZ, Zeros(std::string(4000, 'y'))},
        {"multi-string with one terminator", REG_MULTI_SZ, Zeros("d.lng")},
        {"multi-string, empty first", REG_MULTI_SZ, Zeros(Zeros(""))},
        {"empty multi-string", REG_MULTI_SZ, Zeros("")},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(StoreLangSetting(c.type, c.bytes), ERROR_SUCCESS);
        EXPECT_EQ(ReadSetting(), "MV_eng.lng") << c.what;
    }
}

TEST_F(LangSetting, StringWithoutItsZeroCountsOnlyWhenTheRegistryCanAddOne) {
    // The registry adds the missing zero when the buffer has room for it.
    ASSERT_EQ(StoreLangSetting(REG_SZ, "MV_deu.lng"), ERROR_SUCCESS);
    EXPECT_EQ(ReadSetting(), "MV_deu.lng");
    ASSERT_EQ(StoreLangSetting(REG_SZ, std::string(259, 'x')), ERROR_SUCCESS);
    EXPECT_EQ(ReadSetting(), std::string(259, 'x'));
    // A full buffer without a zero is no string.
    ASSERT_EQ(StoreLangSetting(REG_SZ, std::string(260, 'x')), ERROR_SUCCESS);
    EXPECT_EQ(ReadSetting(), "MV_eng.lng");
}

TEST_F(LangSetting, SaveWritesTheStringWithItsZero) {
    SetLastError(0xdeadbeef);
    EXPECT_TRUE(SaveSetting("MV_deu.lng"));

    win32::RegKey key;
    ASSERT_EQ(key.Open(HKEY_CURRENT_USER, kSettingsKey, KEY_READ), ERROR_SUCCESS);
    DWORD type = 0;
    char data[64];
    std::memset(data, 0x5A, sizeof data);
    DWORD size = sizeof data;
    ASSERT_EQ(key.QueryValue("LangFile", &type, data, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    ASSERT_EQ(size, 11u);
    EXPECT_EQ(std::string(data, size), Zeros("MV_deu.lng"));
    EXPECT_EQ(ReadSetting(), "MV_deu.lng");
}

TEST_F(LangSetting, SaveReplacesAValueOfAnotherType) {
    ASSERT_EQ(StoreLangSetting(REG_BINARY, "\x01\x02"), ERROR_SUCCESS);
    EXPECT_TRUE(SaveSetting("<main> (Russian)"));
    EXPECT_EQ(ReadSetting(), "<main> (Russian)");
}

TEST_F(LangSetting, SavedNameTooLongToReadBackGivesTheDefault) {
    const std::string tooLong(300, 'z');
    EXPECT_TRUE(SaveSetting(tooLong));
    EXPECT_EQ(ReadSetting(), "MV_eng.lng");
}
