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
