// The public header's text helpers, read back with the libraries' own option
// and field parsers.
#include <gtest/gtest.h>
#include <string.h>
#include <string>
#include "cctext.h"
#include "kerv_cc.h"

TEST(HeaderOptions, FormatAndScanAgree)
{
    struct Case {
        int v[6];
        const char *text;
    } cases[] = {
        {{CC_RED, CC_WHITE, CC_KEEP, CC_KEEP, CC_KEEP, CC_KEEP}, "/9F____"},
        {{16, -1, 0, 15, 10, 1}, "/__0FA1"},
        {{CC_KEEP, CC_KEEP, CC_KEEP, CC_KEEP, CC_KEEP, 2}, "/_____2"},
        {{-100, 1000, 8, 8, 8, 0}, "/__8880"},
    };
    for (const Case &c : cases) {
        char out[CC_OPTION_LEN + 1];
        memset(out, 'x', sizeof out);
        EXPECT_STREQ(CCFormatOptions(out, c.v[0], c.v[1], c.v[2], c.v[3], c.v[4], c.v[5]), c.text);
        int d[7];
        char raw[7];
        ASSERT_TRUE(CCScanOptions(out, d, raw)) << c.text;
        for (int i = 0; i < 6; i++)
            EXPECT_EQ(d[i + 1], c.v[i] >= 0 && c.v[i] <= 15 ? c.v[i] : -1) << c.text << " position " << i + 1;
    }
}

TEST(HeaderFields, CutToTheControlAndTheBuffer)
{
    const std::string l70(70, 'L'), a60(60, 'A');
    struct Case {
        const char *label, *aux;
        int flags;
        size_t size;
        std::string want;
    } cases[] = {
        {"Take", "Arial,10", CC09_FLAG_RELEASE, 64, "Take$Arial,10$2"},
        {l70.c_str(), "x", 3, 64, std::string(56, 'L') + "$$3"},       // aux goes first, then the label
        {"Label12345", a60.c_str(), 1, 64, "Label12345$" + std::string(46, 'A') + "$1"},
        {"a$b", "c$d", 0x1F, 64, "a$c$F"},                              // fields stay in place; flags masked
        {nullptr, nullptr, 0, 64, "$$0"},
        {"Take", "Arial,10", 2, 10, "Take$Ar$2"},                       // the buffer is smaller
        {"Take", "Arial,10", 2, 4, "$$2"},
        {"Take", "Arial,10", 2, 3, ""},
    };
    for (const Case &c : cases) {
        char out[80];
        memset(out, '#', sizeof out);
        size_t n = CCFormatFields(out, c.size, c.label, c.aux, c.flags);
        EXPECT_EQ(std::string(out), c.want) << c.size;
        EXPECT_EQ(n, c.want.size());
        EXPECT_EQ(out[c.size], '#') << "written past the buffer, size " << c.size;
        size_t a = c.want.find('$') + 1, b = c.want.find('$', a);
        if (n && b > a) {  // the library finds the aux field where it was put
            size_t len = 0;
            const char *aux = CCFindField(out, c.want[0] == '$' ? 0 : 1, &len);
            ASSERT_NE(aux, nullptr);
            EXPECT_EQ(std::string(aux, len), c.want.substr(a, b - a));
        }
    }
    EXPECT_EQ(CCFormatFields(nullptr, 10, "a", "b", 1), 0u);
}

TEST(HeaderFields, FontSpec)
{
    const std::string f40(40, 'F');
    struct Case {
        const char *face;
        int points;
        size_t size;
        const char *want;
    } cases[] = {
        {"Arial", 10, 64, "Arial,10"},
        {"Arial", 200, 64, "Arial,200"},
        {"Arial", 201, 64, "Arial,"},
        {"Arial", 0, 64, "Arial,"},
        {"Times New Roman", 7, 64, "Times New Roman,7"},
        {f40.c_str(), 12, 64, "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF,12"},  // faces are cut to 31
        {"a$b", 12, 64, "a b,12"},
        {"Arial", 10, 4, "Ar,"},
        {"Arial", 10, 1, ""},
        {nullptr, 9, 64, ",9"},
    };
    for (const Case &c : cases) {
        char out[80];
        memset(out, '#', sizeof out);
        EXPECT_EQ(CCFormatFont(out, c.size, c.face, c.points), strlen(c.want));
        EXPECT_STREQ(out, c.want);
        EXPECT_EQ(out[c.size], '#');
    }
}
