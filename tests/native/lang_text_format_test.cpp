#include <gtest/gtest.h>

#include "lang/TextFormat.h"
#include "lang/TranslationCheck.h"

using namespace morvane;

TEST(TranslationCheck, AcceptsTheBuiltinArgumentsOrTheirFirstOnes) {
    struct Case {
        const char* translation;
        const char* builtin;
        bool accepted;
    };
    const Case cases[] = {
        {"Image %s is mounted as drive %c:.", "%s %c:", true},
        {"Image %s is mounted.", "%s %c:", true},  // leaves out the letter
        {"Unmount it?", "%s %c:", true},           // leaves out both
        {"", "%s %c:", true},
        {"100%% sure: %s %c", "%s %c:", true},
        {"%c %s", "%s %c:", false},            // order swapped
        {"%s %s", "%s %c:", false},            // another kind
        {"%s %c %c", "%s %c:", false},         // one more than passed
        {"%2147483647s %c", "%s %c:", false},  // a width
        {"%s %99999999c", "%s %c:", false},
        {"%-s %c", "%s %c:", false},  // a flag
        {"%.3s", "%s %c:", false},    // a precision
        {"%s %n", "%s %c:", false},
        {"%ls", "%s %c:", false},
        {"%i", "%d.", false},
        {"%I64d", "%d.", false},
        {"%s %c %", "%s %c:", false},  // a per cent sign at the end
    };
    for (const Case& c : cases)
        EXPECT_EQ(AcceptTranslation(1008, c.translation, c.builtin), c.accepted) << c.translation;
    // Texts that nobody fills in may carry any per cent sign.
    for (uint32_t id : {1u, 53u, 1001u, 1005u, 1009u, 1014u, 54u, 99999u})
        EXPECT_TRUE(AcceptTranslation(id, "100% %s %n", "plain")) << id;
}

TEST(FormatText, FillsInBareConversionsOnly) {
    struct Case {
        const wchar_t* pattern;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {L"Image %s on %c:.", L"Image C:\\Am\u00e9lie \u2603.iso on Q:."},
        {L"Image %s.", L"Image C:\\Am\u00e9lie \u2603.iso."},
        {L"100%% %s", L"100% C:\\Am\u00e9lie \u2603.iso"},
        {L"%c %s", L"%c %s"},                          // kinds out of order: left as they stand
        {L"%s %s", L"C:\\Am\u00e9lie \u2603.iso %s"},  // no second text argument
        {L"%s %5c", L"C:\\Am\u00e9lie \u2603.iso %5c"},
        {L"end %", L"end %"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatText(c.pattern, {TextArg(std::wstring(L"C:\\Am\u00e9lie \u2603.iso")), TextArg('Q')}),
                  c.expected);
    EXPECT_EQ(FormatText(L"Code: %d.", {TextArg(-5)}), L"Code: -5.");
    EXPECT_EQ(FormatText(L"Drive %c:", {TextArg('\0')}), L"Drive ?:");
}
