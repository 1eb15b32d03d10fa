#include <gtest/gtest.h>

#include <string>

#include "lang/LangFileParser.h"

using namespace morvane;

namespace {

struct Case {
    const char* what;
    std::string bytes;
    LangTable expected;
};

void ExpectTables(const Case* cases, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        EXPECT_EQ(ParseLanguageFile(cases[i].bytes), cases[i].expected) << cases[i].what;
    }
}

// std::string from bytes that may hold zeros.
template <size_t N>
std::string Bytes(const char (&text)[N]) {
    return std::string(text, N - 1);
}

}  // namespace

TEST(LangFileParser, ReadsIdentifiersAndTextsAndSkipsTheRest) {
    const Case cases[] = {
        {"title and blank line skipped",
         "An English title\n\n50=About\n1014=First.\\nSecond.\n",
         {{50, "About"}, {1014, "First.\r\nSecond."}}},
        {"empty file", "", {}},
        {"blank first", " 1=a\n", {}},
        {"letter first", "a1=b\n", {}},
        {"sign first", "-1=a\n+2=b\n", {}},
        {"equals first", "=a\n", {}},
        {"digits without equals", "123\n", {}},
        {"text after the first equals", "7=a=b\n", {{7, "a=b"}}},
        {"anything between number and equals", "12 x=text\n5ab=c\n", {{12, "text"}, {5, "c"}}},
        {"blanks at both ends kept", "3= a b \n", {{3, " a b "}}},
        {"empty text", "9=\n", {{9, ""}}},
        {"leading zeros", "0050=x\n000=zero\n", {{50, "x"}, {0, "zero"}}},
        {"later line replaces earlier", "1=a\n01=b\n2=c\n1=d\n", {{1, "d"}, {2, "c"}}},
        {"last line without line feed keeps everything", "1=a\n2=abc", {{1, "a"}, {2, "abc"}}},
        {"other bytes kept as they are", "4=\xD4\xE0\xE9\xEB\t!\n", {{4, "\xD4\xE0\xE9\xEB\t!"}}},
    };
    ExpectTables(cases, std::size(cases));
}

TEST(LangFileParser, LinesShorterThanThreeBytesWithTheirLineFeedAreIgnored) {
    const Case cases[] = {
        {"digit and equals with line feed", "1=\n", {{1, ""}}},
        {"digit and equals at the end", "1=", {}},
        {"two digits", "12", {}},
        {"digit, equals and one byte at the end", "1=x", {{1, "x"}}},
        {"short line between others", "1=a\n2=\n3=", {{1, "a"}, {2, ""}}},
    };
    ExpectTables(cases, std::size(cases));
}

TEST(LangFileParser, ReadsAsTextMode) {
    const Case cases[] = {
        {"CR LF is one line feed", "1=abc\r\n2=def\r\n", {{1, "abc"}, {2, "def"}}},
        {"lone CR stays", "1=a\rb\n2=c\r", {{1, "a\rb"}, {2, "c\r"}}},
        {"CR CR LF leaves one CR", "1=ab\r\r\n", {{1, "ab\r"}}},
        {"Ctrl-Z ends the file", "1=a\n2=b\x1A\n3=c\n", {{1, "a"}, {2, "b"}}},
        {"Ctrl-Z inside a text",
         "1=ab\x1A"
         "cd\n",
         {{1, "ab"}}},
        {"Ctrl-Z first",
         "\x1A"
         "1=a\n",
         {}},
        {"CR before Ctrl-Z has no line feed to pair with", "1=ab\r\x1A\n", {{1, "ab\r"}}},
    };
    ExpectTables(cases, std::size(cases));
}

TEST(LangFileParser, ZeroByteEndsTheLineBuffer) {
    const Case cases[] = {
        {"zero inside a text", Bytes("1=ab\0cd\n2=x\n"), {{1, "ab"}, {2, "x"}}},
        {"zero first",
         Bytes("\0"
               "1=x\n2=y\n"),
         {{2, "y"}}},
        {"zero leaves the line too short", Bytes("1=\0zz\n"), {}},
    };
    ExpectTables(cases, std::size(cases));
}

TEST(LangFileParser, BackslashNBecomesCrLfFromLeftToRight) {
    const Case cases[] = {
        {"one", "1=a\\nb\n", {{1, "a\r\nb"}}},
        {"doubled backslash", "1=a\\\\nb\n", {{1, "a\\\r\nb"}}},
        {"two in a row", "1=\\n\\n\n", {{1, "\r\n\r\n"}}},
        {"n after the escape stays", "1=\\nn\n", {{1, "\r\nn"}}},
        {"other escapes are ordinary", "1=\\t\\N\\\\x\n", {{1, "\\t\\N\\\\x"}}},
        {"backslash at the end", "1=x\\", {{1, "x\\"}}},
        {"backslash before the line feed", "1=x\\\n", {{1, "x\\"}}},
    };
    ExpectTables(cases, std::size(cases));
}

TEST(LangFileParser, IdentifierIsClampedToTheSignedMaximum) {
    const Case cases[] = {
        {"largest", "2147483647=a\n", {{2147483647u, "a"}}},
        {"one more", "2147483648=b\n", {{2147483647u, "b"}}},
        {"beyond 32 bits does not wrap", "4294967296=c\n", {{2147483647u, "c"}}},
        {"very long number", "000099999999999999999999999=d\n", {{2147483647u, "d"}}},
        {"clamped ones replace each other", "3000000000=e\n2147483647=f\n", {{2147483647u, "f"}}},
    };
    ExpectTables(cases, std::size(cases));
}

TEST(LangFileParser, LongLinesComeInPiecesOf1023Bytes) {
    const std::string a1021(1021, 'a');
    const std::string a1020(1020, 'a');
    const std::string b1021(1021, 'b');
    const Case cases[] = {
        {"1023 bytes with the line feed fit", "1=" + a1020 + "\n2=z\n", {{1, a1020}, {2, "z"}}},
        {"1024 bytes: the line feed is a piece of its own", "1=" + a1021 + "\n2=z\n", {{1, a1021}, {2, "z"}}},
        {"CR LF counts as one byte", "1=" + a1020 + "\r\n", {{1, a1020}}},
        {"a piece that begins with digits is a line", "1=" + a1021 + "2=tail\n", {{1, a1021}, {2, "tail"}}},
        {"three pieces", "1=" + a1021 + "3=" + b1021 + "4=cc\n", {{1, a1021}, {3, b1021}, {4, "cc"}}},
        {"a piece that begins otherwise is skipped", "1=" + a1021 + "x=tail\n", {{1, a1021}}},
    };
    ExpectTables(cases, std::size(cases));
}

TEST(LangFileParser, EscapesAreReplacedWithinOnePiece) {
    // The escape is split by the piece boundary: the backslash ends the first
    // piece and the n begins the second, which is no line.
    const std::string a1020(1020, 'a');
    EXPECT_EQ(ParseLanguageFile("1=" + a1020 + "\\n=x\n"), (LangTable{{1, a1020 + "\\"}}));
}
