// The dialog template reader: both layouts read into their parts, and a
// template cut anywhere refused without a read past its end.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "dialog_template.h"

namespace {

std::vector<uint8_t> Template(LPCSTR name)
{
    HRSRC r = FindResourceA(nullptr, name, RT_DIALOG);
    if (!r) return {};
    const uint8_t *p = (const uint8_t *)LockResource(LoadResource(nullptr, r));
    return std::vector<uint8_t>(p, p + SizeofResource(nullptr, r));
}

std::string Show(const TemplateName &n) { return n.text.empty() ? "#" + std::to_string(n.ord) : n.text; }

}  // namespace

TEST(PanelTemplate, BothLayoutsReadIntoTheirParts)
{
    struct {
        LPCSTR name;
        bool extended;
        const char *menu, *cls;
        std::vector<std::string> items;  // "id class x,y style"
    } cases[] = {
        // (the resource compiler writes class names in capitals, and makes
        // CONTROL statements visible)
        {"PLAIN", false, "#0", "#0",
         {"101 VEK_CC_BUTTON 4,6 50000003", "102 #128 4,20 50010000", "103 NOSUCHCLASS -2,34 50000000"}},
        {MAKEINTRESOURCEA(7), true, "#9", "PANELFRAME", {"201 #130 4,6 50020000", "202 VEK_CC09_BUTTON 4,20 50000004"}},
        {"BARE", false, "NAMEDMENU", "#0", {}},
    };
    for (auto &c : cases) {
        std::vector<uint8_t> bytes = Template(c.name);
        ASSERT_FALSE(bytes.empty());
        DialogTemplate t;
        ASSERT_TRUE(DialogTemplate_Read(bytes.data(), bytes.size(), &t));
        EXPECT_EQ(t.extended, c.extended);
        EXPECT_EQ(Show(t.menu), c.menu);
        EXPECT_EQ(Show(t.cls), c.cls);
        std::vector<std::string> items;
        for (const TemplateItem &it : t.items) {
            char style[16];
            snprintf(style, sizeof style, "%08X", (unsigned)it.style);
            items.push_back(std::to_string(it.id) + " " + Show(it.cls) + " " + std::to_string(it.x) + "," +
                            std::to_string(it.y) + " " + style);
        }
        EXPECT_EQ(items, c.items);
    }
    DialogTemplate t;
    std::vector<uint8_t> ex = Template(MAKEINTRESOURCEA(7));
    ASSERT_TRUE(DialogTemplate_Read(ex.data(), ex.size(), &t));
    EXPECT_EQ(t.title.text, "Studio");
    EXPECT_EQ(t.items[1].exStyle, (uint32_t)WS_EX_CLIENTEDGE);
    EXPECT_STREQ(DialogTemplate_SystemClass(0x82), "Static");
    EXPECT_EQ(DialogTemplate_SystemClass(0x86), nullptr);
}

TEST(PanelTemplate, CutShortOrUnendedRefused)
{
    for (LPCSTR name : {(LPCSTR) "PLAIN", (LPCSTR)MAKEINTRESOURCEA(7)}) {
        std::vector<uint8_t> bytes = Template(name);
        ASSERT_FALSE(bytes.empty());
        DialogTemplate t;
        ASSERT_TRUE(DialogTemplate_Read(bytes.data(), bytes.size(), &t));
        // Every shorter copy, on the heap at its exact size; the resource may
        // end in up to 3 bytes of padding.
        for (size_t n = 0; n + 4 <= bytes.size(); n++) {
            std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + (long)n);
            DialogTemplate c;
            EXPECT_FALSE(DialogTemplate_Read(cut.data(), n, &c)) << "cut at " << n << " of " << bytes.size();
            EXPECT_LE(c.items.size(), t.items.size());
        }
    }
    // A name with no end, and no template at all.
    std::vector<uint8_t> unended(40, 'A');
    unended[0] = unended[1] = unended[2] = unended[3] = 0;
    DialogTemplate t;
    EXPECT_FALSE(DialogTemplate_Read(unended.data(), unended.size(), &t));
    EXPECT_FALSE(DialogTemplate_Read(nullptr, 100, &t));
}
