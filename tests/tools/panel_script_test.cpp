// Panel scripts: every action parsed into its fields, and bad scripts refused
// at the right line with a message that says what is wrong.
#include <gtest/gtest.h>

#include "script.h"

TEST(PanelScript, ActionsAndTheirFields)
{
    const char *src =
        "# routing\n"
        "\n"
        "click 101\r\n"
        "  press 65535\n"
        "release 1\n"
        "drag 301 to 75%\n"
        "drag 301 by 0,-30\n"
        "slide 701 702 703\n"
        "hold 901 1200ms\n"
        "wait 2s\n"
        "text 101 \"Take|Next \\\"A\\\" \\\\\"\n"
        "option 101 /9F\n"
        "disable 104\n"
        "enable 104\n"
        "expect 701 702 1702\n"
        "expect nothing\n"
        "expect-text 301 \"\"\n"
        "expect-pixel 101 5,5 #FF00aa\n";
    PanelScript s;
    ASSERT_TRUE(PanelScript_Parse(src, &s)) << s.errorLine << ": " << s.error;
    ASSERT_EQ(s.actions.size(), 16u);
    const PanelAction *a = s.actions.data();
    EXPECT_EQ(a[0].kind, PA_CLICK);
    EXPECT_EQ(a[0].line, 3);
    EXPECT_EQ(a[0].ids, std::vector<int>{101});
    EXPECT_EQ(a[1].ids, std::vector<int>{65535});
    EXPECT_EQ(a[3].kind, PA_DRAG_TO);
    EXPECT_EQ(a[3].percent, 75);
    EXPECT_EQ(a[4].kind, PA_DRAG_BY);
    EXPECT_EQ(a[4].dx, 0);
    EXPECT_EQ(a[4].dy, -30);
    EXPECT_EQ(a[5].ids, (std::vector<int>{701, 702, 703}));
    EXPECT_EQ(a[6].ms, 1200);
    EXPECT_EQ(a[7].ms, 2000);
    EXPECT_EQ(a[8].text, "Take|Next \"A\" \\");
    EXPECT_EQ(a[9].text, "/9F");
    EXPECT_EQ(a[12].ids, (std::vector<int>{701, 702, 1702}));
    EXPECT_EQ(a[13].kind, PA_EXPECT);
    EXPECT_TRUE(a[13].ids.empty());
    EXPECT_EQ(a[14].kind, PA_EXPECT_TEXT);
    EXPECT_EQ(a[14].text, "");
    EXPECT_EQ(a[15].x, 5);
    EXPECT_EQ(a[15].rgb, 0xFF00AAu);
    EXPECT_STREQ(PanelScript_Name(a[4].kind), "drag");
}

TEST(PanelScript, BadLinesRefusedWhereTheyAre)
{
    struct {
        const char *src;
        int line;
        const char *says;
    } cases[] = {
        {"click 101\nfly 101\n", 2, "unknown action 'fly'"},
        {"\"click\" 101", 1, "unknown action"},
        {"click", 1, "expected: click ID"},
        {"click 0", 1, "expected: click ID"},
        {"click 65536", 1, "expected: click ID"},
        {"click 12a", 1, "expected: click ID"},
        {"click 101 102", 1, "expected: click ID"},
        {"click \"101\"", 1, "expected: click ID"},
        {"drag 301 to 101%", 1, "expected: drag"},
        {"drag 301 to -1%", 1, "expected: drag"},
        {"drag 301 to 75", 1, "expected: drag"},
        {"drag 301 by 5", 1, "expected: drag"},
        {"drag 301 by 5,x", 1, "expected: drag"},
        {"drag 301 over 5,5", 1, "expected: drag"},
        {"slide 701", 1, "expected: slide"},
        {"hold 901", 1, "expected: hold"},
        {"hold 901 12", 1, "expected: hold"},
        {"hold 901 -5ms", 1, "expected: hold"},
        {"hold 901 600001ms", 1, "expected: hold"},
        {"wait 5 ms", 1, "expected: wait"},
        {"text 101 Take", 1, "expected: text"},
        {"text 101 \"Take", 1, "not closed"},
        {"option 101 9F", 1, "expected: option"},
        {"option 101 /123456789", 1, "expected: option"},
        {"expect", 1, "expected: expect"},
        {"expect 101 x", 1, "expected: expect"},
        {"expect nothing 101", 1, "expected: expect"},
        {"expect-text 301", 1, "expected: expect-text"},
        {"expect-pixel 101 5,5 FF0000", 1, "expected: expect-pixel"},
        {"expect-pixel 101 5,5 #FF00", 1, "expected: expect-pixel"},
        {"expect-pixel 101 5 #FF0000", 1, "expected: expect-pixel"},
        {"expect-pixel 101 5,5 #GG0000", 1, "expected: expect-pixel"},
        {"click 1\n\n\n# c\nclick 99999999999999999999", 5, "expected: click ID"},
    };
    for (auto &c : cases) {
        PanelScript s;
        EXPECT_FALSE(PanelScript_Parse(c.src, &s)) << c.src;
        EXPECT_EQ(s.errorLine, c.line) << c.src;
        EXPECT_NE(s.error.find(c.says), std::string::npos) << c.src << " -> " << s.error;
    }
    PanelScript s;
    EXPECT_FALSE(PanelScript_Parse(std::string("click 1\nclick\0 2", 17), &s));
    EXPECT_EQ(s.errorLine, 2);
    EXPECT_FALSE(PanelScript_Parse("text 1 \"" + std::string(1001, 'x') + "\"", &s));
    EXPECT_NE(s.error.find("longer"), std::string::npos);
    EXPECT_TRUE(PanelScript_Parse("", &s));
    EXPECT_TRUE(s.actions.empty());
}

// Keyboard and accessibility lines: keys by name, states as a set.
TEST(PanelScript, KeysNamesAndStates)
{
    PanelScript s;
    ASSERT_TRUE(PanelScript_Parse("key 101 space\n"
                                  "key 101 tab shift+tab enter escape\n"
                                  "key 301 up down left right pageup pagedown home end\n"
                                  "expect-name 101 \"Take Next\"\n"
                                  "expect-state 101 focused focusable pressed\n"
                                  "expect-state 102 normal\n"
                                  "expect-state 103 unavailable invisible\n",
                                  &s))
        << s.errorLine << ": " << s.error;
    ASSERT_EQ(s.actions.size(), 7u);
    const PanelAction *a = s.actions.data();
    EXPECT_EQ(a[0].kind, PA_KEY);
    EXPECT_EQ(a[0].keys, std::vector<int>{0x20});
    EXPECT_EQ(a[1].keys, (std::vector<int>{0x09, 0x09 | PANEL_KEY_SHIFT, 0x0D, 0x1B}));
    EXPECT_EQ(a[2].keys, (std::vector<int>{0x26, 0x28, 0x25, 0x27, 0x21, 0x22, 0x24, 0x23}));
    EXPECT_EQ(a[3].kind, PA_EXPECT_NAME);
    EXPECT_EQ(a[3].text, "Take Next");
    EXPECT_EQ(a[4].state, (unsigned)(PANEL_STATE_FOCUSED | PANEL_STATE_FOCUSABLE | PANEL_STATE_PRESSED));
    EXPECT_EQ(a[5].state, 0u);
    EXPECT_EQ(a[6].state, (unsigned)(PANEL_STATE_UNAVAILABLE | PANEL_STATE_INVISIBLE));
    EXPECT_STREQ(PanelScript_Name(PA_EXPECT_STATE), "expect-state");

    const char *bad[] = {
        "key 101",           "key 101 spacebar", "key 101 \"space\"", "key space",
        "expect-name 101",   "expect-name 101 Take", "expect-state 101", "expect-state 101 normal pressed",
        "expect-state 101 down",
    };
    for (const char *src : bad) {
        EXPECT_FALSE(PanelScript_Parse(src, &s)) << src;
        EXPECT_EQ(s.errorLine, 1) << src;
        EXPECT_NE(s.error.find("expected: "), std::string::npos) << src;
    }
    std::string many = "key 101";
    for (int i = 0; i < 101; i++) many += " tab";
    EXPECT_FALSE(PanelScript_Parse(many, &s));
}
