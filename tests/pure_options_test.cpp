// Option texts read into slot writes, and the Font display's justification letters.
#include <gtest/gtest.h>
#include <string>
#include "ccoptions.h"

namespace {

std::string Writes(const char *text, int32_t slot3)
{
    CCOptionWrites w;
    if (!CCOptionParse(text, slot3, &w)) return "none";
    std::string s;
    for (int i = 0; i < w.count; i++) s += std::to_string(w.slot[i]) + "=" + std::to_string(w.value[i]) + " ";
    return s;
}

TEST(Options, SlotWritesInOrder)
{
    struct {
        const char *text;
        int32_t slot3;
        const char *expect;
    } cases[] = {
        {"/", 0, ""},
        {"/____A", 0, "4=10 "},
        {"/9F", 0, "5=9 6=15 "},
        {"/__12", 0, "7=1 8=2 "},
        {"/__12_2", 0, "3=2 9=1 10=2 "},  // the variant first, then its pair
        {"/__12", 0x13, "11=1 12=2 "},    // low 4 bits of slot 3
        {"/__12_F", 3, "3=15 7=1 8=2 "},
        {"/a", 0, ""},                    // lower case is no digit
        {"/123456789", 0, "3=6 5=1 6=2 7=3 8=4 4=5 "},
        {"x/9", 0, "none"},
        {"", 0, "none"},
        {nullptr, 0, "none"},
    };
    for (const auto &c : cases) EXPECT_EQ(Writes(c.text, c.slot3), c.expect) << (c.text ? c.text : "(null)");
}

TEST(Options, JustificationLetters)
{
    struct {
        const char *text;
        uint32_t style, expect;
    } cases[] = {
        {"/R", 0x5006, 0x5086}, {"/L", 0x50C6, 0x5046}, {"/N", 0x50C6, 0x5086},
        {"/O", 0x5006, 0x5046}, {"/9", 0x5006, 0x5006}, {"R", 0x5006, 0x5006},
        {nullptr, 0x5006, 0x5006},
    };
    for (const auto &c : cases)
        EXPECT_EQ(CCOptionJustifyStyle(c.text, c.style), c.expect) << (c.text ? c.text : "(null)");
}

}  // namespace
