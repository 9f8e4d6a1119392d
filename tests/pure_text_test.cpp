// Option texts, hex numbers, '$' fields, sibling names and number parsing.
#include <gtest/gtest.h>
#include <string.h>
#include <string>
#include "cctext.h"

static std::string Digits(const char *text)
{
    int d[7];
    char raw[7];
    if (!CCScanOptions(text, d, raw)) return "no";
    std::string s;
    for (int i = 1; i <= 6; i++) s += d[i] < 0 ? '.' : "0123456789ABCDEF"[d[i]];
    return s;
}

TEST(Options, PositionsAndDefaults)
{
    EXPECT_EQ(Digits("/"), "......");
    EXPECT_EQ(Digits("/____A"), "....A.");
    EXPECT_EQ(Digits("/9F"), "9F....");
    EXPECT_EQ(Digits("/__12_2"), "..12.2");
    EXPECT_EQ(Digits("/a"), "......");        // lower case is no digit
    EXPECT_EQ(Digits("x/9"), "no");           // '/' must come first
    EXPECT_EQ(Digits(""), "no");
    EXPECT_EQ(Digits(nullptr), "no");
    EXPECT_EQ(Digits("/123456789"), "123456");  // past position 6 ignored
}

TEST(Options, VeryLongTextReadsInPlace)
{
    std::string big(100000, 'F');
    big[0] = '/';
    EXPECT_EQ(Digits(big.c_str()), "FFFFFF");
}

TEST(HexValue, ScanConversion)
{
    EXPECT_EQ(CCHexValue("1f"), 0x1Fu);
    EXPECT_EQ(CCHexValue("  0x1F zz"), 0x1Fu);
    EXPECT_EQ(CCHexValue("C"), 0xCu);
    EXPECT_EQ(CCHexValue("xyz"), 0u);
    EXPECT_EQ(CCHexValue(""), 0u);
    EXPECT_EQ(CCHexValue(nullptr), 0u);
    EXPECT_EQ(CCHexValue("-1"), 0xFFFFFFFFu);
    EXPECT_EQ(CCHexValue("0x"), 0u);
    EXPECT_EQ(CCHexValue("123456789"), 0x23456789u);  // wraps
}

TEST(Fields, FirstField)
{
    EXPECT_STREQ(CCFirstField("A$$5"), "A");
    EXPECT_STREQ(CCFirstField("$B"), "B");
    EXPECT_STREQ(CCFirstField("$$$"), "$$$");
    EXPECT_STREQ(CCFirstField(""), "");
    char text[] = "Start$Aux$f";
    EXPECT_STREQ(CCFirstField(text), "Start");
    EXPECT_STREQ(text, "Start$Aux$f");  // the caller's text is never written
    std::string big(1000, 'x');
    EXPECT_EQ(strlen(CCFirstField(big.c_str())), 298u);
}

TEST(Fields, JoinByVariantAndBound)
{
    char out[64];
    CCJoinFieldsText(0, out, sizeof out, "old1", "new", "old2", "3");
    EXPECT_STREQ(out, "new$old2$3");
    CCJoinFieldsText(1, out, sizeof out, "old1", "new", "old2", "3");
    EXPECT_STREQ(out, "old1$new$3");
    char small[6];
    memset(small, 'Z', sizeof small);
    EXPECT_EQ(CCJoinFieldsText(1, small, sizeof small, "old1", "new", "old2", "3"), 5u);
    EXPECT_STREQ(small, "old1$");
    EXPECT_EQ(CCJoinFieldsText(0, small, 0, "a", "b", "c", "d"), 0u);
}

TEST(Siblings, NumberFromName)
{
    EXPECT_EQ(CCSiblingNumber("kerv_cc09.dll"), 9);
    EXPECT_EQ(CCSiblingNumber("kerv_cc5.dll"), 5);
    EXPECT_EQ(CCSiblingNumber("kerv_cc100.dll"), 10);
    EXPECT_EQ(CCSiblingNumber("kerv_cc00.dll"), 0);
    EXPECT_EQ(CCSiblingNumber("kerv_cc.dll"), -1);
    EXPECT_EQ(CCSiblingNumber("kerv_ccx.dll"), -1);
    EXPECT_EQ(CCSiblingNumber("KERV_CC09.DLL"), -1);  // must be lowered first
    char name[] = "KERV_CC09.DLL";
    CCLowerAscii(name);
    EXPECT_STREQ(name, "kerv_cc09.dll");
}

TEST(Numbers, ParseClamped)
{
    EXPECT_EQ(CCParseInt32("75"), 75);
    EXPECT_EQ(CCParseInt32("  -12abc"), -12);
    EXPECT_EQ(CCParseInt32("+7"), 7);
    EXPECT_EQ(CCParseInt32(""), 0);
    EXPECT_EQ(CCParseInt32("99999999999999999999"), INT32_MAX);
    EXPECT_EQ(CCParseInt32("-99999999999999999999"), INT32_MIN);
    EXPECT_EQ(CCParseInt32("-2147483648"), INT32_MIN);
}

TEST(Copy, Bounded)
{
    char b[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(CCCopyText(b, 1, "abc"), 0u);
    EXPECT_EQ(b[0], '\0');
    EXPECT_EQ(b[1], 'x');
    EXPECT_EQ(CCCopyText(b, 4, "abcdef"), 3u);
    EXPECT_STREQ(b, "abc");
}

TEST(Options, HexDigitsAreExactlyDigitsAndUpperCaseAToF)
{
    int valid = 0;
    for (int c = -128; c < 128; c++) {
        int d = CCHexDigit((char)c);
        if (d < 0) continue;
        valid++;
        EXPECT_EQ("0123456789ABCDEF"[d], (char)c);
    }
    EXPECT_EQ(valid, 16);
}

TEST(Options, ReadingStopsAtTheTerminator)
{
    // Characters after the NUL belong to no text and must not be read as options.
    const char t[] = {'/', '9', '\0', 'A', 'B', 'C', 'D', '\0'};
    EXPECT_EQ(Digits(t), "9.....");
    int d[7];
    char raw[7];
    ASSERT_EQ(CCScanOptions("/1", d, raw), 1);
    EXPECT_EQ(std::string(raw + 1, 6), "1_____");
}

TEST(HexValue, MoreScanCases)
{
    EXPECT_EQ(CCHexValue("FFFFFFFF"), 0xFFFFFFFFu);
    EXPECT_EQ(CCHexValue(" \t-0x10"), 0xFFFFFFF0u);
    EXPECT_EQ(CCHexValue("+ 5"), 0u);
    EXPECT_EQ(CCHexValue("1$2"), 1u);
    EXPECT_EQ(CCHexValue("0x0x5"), 0u);
    EXPECT_EQ(CCHexValue("0X1a"), 0x1Au);
    EXPECT_EQ(CCHexValue("0"), 0u);
}

TEST(Fields, FirstFieldEdges)
{
    const char dollars[] = "$$";
    EXPECT_EQ(CCFirstField(dollars), dollars);  // no field: the text itself
    EXPECT_STREQ(CCFirstField("$$A$B"), "A");
    EXPECT_STREQ(CCFirstField(" $Aux$f"), " ");
    EXPECT_STREQ(CCFirstField(nullptr), "");
    std::string f298(298, 'a'), f299(299, 'b');
    EXPECT_EQ(CCFirstField((f298 + "$x").c_str()), f298);
    EXPECT_EQ(CCFirstField((f299 + "$x").c_str()), f299.substr(0, 298));
    // One shared buffer: the next call replaces the previous result.
    const char *first = CCFirstField("one$two");
    CCFirstField("three");
    EXPECT_STREQ(first, "three");
    // Its own result passed back in is read before the buffer is reset.
    EXPECT_STREQ(CCFirstField(CCFirstField("$Label$aux")), "Label");
    EXPECT_STREQ(CCFirstField(CCFirstField("abc") + 1), "bc");
    EXPECT_STREQ(CCFirstField(CCFirstField("$$")), "$$");
}

TEST(Fields, JoinWithMissingParts)
{
    char out[8];
    CCJoinFieldsText(0, out, sizeof out, nullptr, nullptr, nullptr, nullptr);
    EXPECT_STREQ(out, "$$");
    memset(out, 'Z', sizeof out);
    EXPECT_EQ(CCJoinFieldsText(0, out, 1, "a", "b", "c", "d"), 0u);
    EXPECT_EQ(out[0], '\0');
    EXPECT_EQ(out[1], 'Z');
    EXPECT_EQ(CCJoinFieldsText(0, nullptr, 8, "a", "b", "c", "d"), 0u);
}

TEST(Siblings, ScanLikeTwoDigitDecimal)
{
    EXPECT_EQ(CCSiblingNumber("kerv_cc99.dll"), 99);
    EXPECT_EQ(CCSiblingNumber("kerv_cc7x.dll"), 7);
    EXPECT_EQ(CCSiblingNumber("kerv_cc 7.dll"), 7);   // white space before the number
    EXPECT_EQ(CCSiblingNumber("kerv_cc+5.dll"), 5);   // the sign takes one of the two places
    EXPECT_EQ(CCSiblingNumber("kerv_cc+57.dll"), 5);
    EXPECT_EQ(CCSiblingNumber("kerv_cc-3.dll"), -3);  // below 1: skipped by the caller
    EXPECT_EQ(CCSiblingNumber("kerv_cc-.dll"), -1);
    EXPECT_EQ(CCSiblingNumber("kerv_c"), -1);
    EXPECT_EQ(CCSiblingNumber(""), -1);
    EXPECT_EQ(CCSiblingNumber(nullptr), -1);
    char name[] = "KERV_CC\xC4.DLL";
    CCLowerAscii(name);
    EXPECT_STREQ(name, "kerv_cc\xC4.dll");  // only A-Z change
    CCLowerAscii(nullptr);
}

TEST(Fields, CopyFieldByIndexBoundAndAbsent)
{
    struct {
        const char *text;
        int index;
        size_t size;
        const char *absent, *want;
    } cases[] = {
        {"Take$Arial,10$2", 0, 64, "-", "Take"}, {"Take$Arial,10$2", 1, 64, "-", "Arial,10"},
        {"Take$Arial,10$2", 2, 64, "-", "2"},    {"Take$Arial,10$2", 3, 64, "-", "-"},
        {"$$A$$$B", 1, 64, "-", "B"},            {"$$$", 0, 64, "-", "-"},
        {"", 0, 64, nullptr, ""},                {"Take$Arial", 0, 3, "-", "Ta"},
        {"Take$Arial", 1, 6, "-", "Arial"},      {"Take$Arial", 1, 5, "-", "Aria"},
        {"Take", 1, 2, "absent", "a"},           {nullptr, 0, 64, "-", "-"},
    };
    for (auto &c : cases) {
        char out[65];  // one beyond the largest bound
        memset(out, '#', sizeof out);
        CCCopyField(c.text, c.index, out, c.size, c.absent);
        EXPECT_STREQ(out, c.want) << (c.text ? c.text : "(null)") << " field " << c.index << " size " << c.size;
        EXPECT_EQ(out[c.size], '#');  // nothing past the bound
    }
    char one = '#';
    CCCopyField("Take", 0, &one, 0, "-");  // size 0: nothing written
    EXPECT_EQ(one, '#');
}

// Accessible names: shown texts joined by one space, '|' breaks read as a
// space, option texts and blanks left out, always cut to the buffer.
TEST(Names, JoinedReadAndCut)
{
    struct Case {
        const char *before;  // name so far
        const char *text;
        size_t n;     // characters of text considered
        size_t size;  // buffer
        const char *name;
    };
    const Case cases[] = {
        {"", "Play", 99, 64, "Play"},
        {"", "On|Air", 99, 64, "On Air"},
        {"", "||On|||Air||", 99, 64, "On Air"},
        {"", "  Pad  ", 99, 64, "Pad"},
        {"Top", "Take", 99, 64, "Top Take"},
        {"Top", " ", 99, 64, "Top"},
        {"Top", "|", 99, 64, "Top"},
        {"Top", "/9F", 99, 64, "Top"},
        {"", "A/B", 99, 64, "A/B"},
        {"", "Label$Aux", 5, 64, "Label"},
        {"", "Studio", 99, 4, "Stu"},
        {"Ab", "Cd", 99, 4, "Ab"},
        {"A", "Cd", 99, 4, "A C"},
        {"Abc", "Cd", 99, 4, "Abc"},
        {"", "x", 99, 1, ""},
    };
    for (const Case &c : cases) {
        char buf[80];  // room past every case's buffer
        memset(buf, '#', sizeof buf);
        strcpy(buf, c.before);
        size_t len = CCNameAppend(buf, c.size, strlen(c.before), c.text, c.n);
        EXPECT_STREQ(buf, c.name) << c.text;
        EXPECT_EQ(len, strlen(c.name)) << c.text;
        EXPECT_EQ(buf[c.size], '#') << c.text;  // nothing written past the buffer
    }
    EXPECT_EQ(CCNameAppend(nullptr, 8, 0, "x", 1), 0u);
}
