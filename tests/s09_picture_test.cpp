// Combo BMP button: where the picture comes from (resource, kept file, file,
// placeholder), its place by position and stretch, the label box, picture-name
// changes, malformed BMP files, bad names and GDI balance. Picture files are
// written by the tests into their own folder, made the current directory.
#include <gtest/gtest.h>
#include <string.h>
#include <array>
#include <string>
#include <vector>
#include "dibscan.h"
#include "ccdraw.h"
#include "harness.h"
#include "ccslots.h"
#include "s09_frame.h"

static const COLORREF GREEN = 0x00FF00, RED = 0x0000FF, FACE = 0xC0C0C0, BLACK = 0;
static const int ID = 321;

// ---------------------------------------------------------------------------
// Picture files

static void Put(std::string &b, size_t at, uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; i++) b[at + i] = (char)(v >> (8 * i));
}

// A w x h BMP file of bit count n filled with one colour (palette entry 1
// below 24 bits).
static std::string MakeBmp(int w, int h, int n, COLORREF c)
{
    int entries = n < 24 ? 1 << n : 0;
    size_t stride = ((size_t)w * n + 31) / 32 * 4;
    std::string info(40, '\0'), table(entries * 4, '\0'), bits(stride * h, '\0');
    Put(info, 0, 40, 4);
    Put(info, 4, w, 4);
    Put(info, 8, h, 4);
    Put(info, 12, 1, 2);
    Put(info, 14, n, 2);
    Put(info, 20, (uint32_t)bits.size(), 4);
    const char bgr[3] = {(char)GetBValue(c), (char)GetGValue(c), (char)GetRValue(c)};
    if (entries) {
        memcpy(&table[4], bgr, 3);
        memset(&bits[0], n == 1 ? 0xFF : n == 4 ? 0x11 : 0x01, bits.size());
    } else {
        for (int y = 0; y < h; y++)
            for (int x = 0; x < w; x++) memcpy(&bits[y * stride + x * (n / 8)], bgr, 3);
    }
    std::string file(14, '\0');
    file[0] = 'B';
    file[1] = 'M';
    Put(file, 2, (uint32_t)(14 + info.size() + table.size() + bits.size()), 4);
    Put(file, 10, (uint32_t)(14 + info.size() + table.size()), 4);
    return file + info + table + bits;
}

static void Write(const char *name, const std::string &bytes)
{
    HANDLE f = CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(f, INVALID_HANDLE_VALUE) << name;
    DWORD n = 0;
    if (!bytes.empty()) WriteFile(f, bytes.data(), (DWORD)bytes.size(), &n, nullptr);
    CloseHandle(f);
}

// Every test runs in the folder of the picture files.
class S09Combo : public ::testing::Test {
protected:
    char home[MAX_PATH] = {0};
    void SetUp() override
    {
        GetCurrentDirectoryA(sizeof home, home);
        CreateDirectoryA("s09_picture_files", nullptr);
        SetCurrentDirectoryA("s09_picture_files");
        Write("PIC20.BMP", MakeBmp(20, 20, 24, GREEN));
    }
    void TearDown() override { SetCurrentDirectoryA(home); }
};

static HWND Combo(const char *text, DWORD style = 0, int w = 100, int h = 30)
{
    HWND hwnd = CCT_Create(2 | style, text, 10, 20, w, h, ID, nullptr, CC09_CLASS_NAME);
    CCT_Repaint(hwnd);
    return hwnd;
}

// Left, top, width and height of the pixels of colour c inside (x0, y0, x1, y1).
typedef std::array<int, 4> Quad;
static Quad Where(const CCTImage &img, COLORREF c, int x0 = 0, int y0 = 0, int x1 = -1, int y1 = -1)
{
    RECT r = {0, 0, 0, 0};
    img.Find(c, &r, x0, y0, x1, y1);
    return {(int)r.left, (int)r.top, (int)(r.right - r.left), (int)(r.bottom - r.top)};
}

// Ink of a label inside the edges: as the button draws it, and as it should be
// when drawn black on the face in a box (w, h) at (x, y).
static Quad InkOf(HWND hwnd, int W, int H) { return Where(CCT_Snap(hwnd), BLACK, 3, 3, W - 3, H - 3); }
static Quad LabelInk(const char *label, int W, int H, int x, int y, int w, int h)
{
    CCTCanvas c(W, H, FACE);
    HGDIOBJ prev = SelectObject(c.dc, GetStockObject(ANSI_VAR_FONT));
    CCDraw_Text(c.dc, 0, 8, w, h, x, y, 0, label);
    SelectObject(c.dc, prev);
    return Where(c.Image(), BLACK, 3, 3, W - 3, H - 3);
}

// The look of the same button with no picture name: the placeholder.
static CCTImage PlaceholderLook(const char *label, int w, int h)
{
    std::string text = std::string(label) + "$ $0";
    CCTWindow ref(Combo(text.c_str(), 0, w, h));
    return CCT_Snap(ref);
}

// ---------------------------------------------------------------------------
// Where the picture comes from

TEST_F(S09Combo, FileReadOnceKeptAndDrawnTopCentreWithTheLabelBelow)
{
    Write("TICK.BMP", MakeBmp(20, 20, 24, GREEN));
    HGLOBAL kept;
    {
        CCTWindow w(Combo("OK$TICK$1", 0, 60, 50));
        kept = CCGetHandleSlot(w, CC_SLOT_PICTURE);
        ASSERT_NE(kept, nullptr);
        EXPECT_EQ(Where(CCT_Snap(w), GREEN), (Quad{20, 3, 20, 20}));
        EXPECT_EQ(InkOf(w, 60, 50), LabelInk("OK", 60, 50, 0, 20, 60, 30));
        // Kept: the same block serves every paint, the file is not needed again.
        DeleteFileA("TICK.BMP");
        CCT_Repaint(w);
        EXPECT_EQ(CCGetHandleSlot(w, CC_SLOT_PICTURE), kept);
        EXPECT_EQ(Where(CCT_Snap(w), GREEN), (Quad{20, 3, 20, 20}));
    }
    EXPECT_EQ(GlobalSize(kept), 0u);  // freed with the window
    // An application resource of the name comes first; nothing is read.
    Write("RESPIC.BMP", MakeBmp(20, 20, 24, RED));
    CCTWindow r(Combo("R$RESPIC$0", 0, 60, 50));
    EXPECT_EQ(CCT_Snap(r).Count(RED), 0);
    EXPECT_EQ(CCT_Slot(r, 20), 0);
}

TEST_F(S09Combo, NamesFindTheirFilesOrThePlaceholder)
{
    Write("tick.bmp", MakeBmp(20, 20, 24, GREEN));
    CreateDirectoryA("FOLDER.BMP", nullptr);
    CCTImage placeholder = PlaceholderLook("OK", 80, 60);
    EXPECT_GT(Where(placeholder, 0x00FFFF00)[2], 40);  // the placeholder's sky
    // ".BMP" is appended unless the name has it in upper case.
    for (const char *t : {"OK$tick.bmp$0", "OK", "OK$NOSUCH$0", "OK$FOLDER$0", "OK$Z:NOPE$0", "OK$..\\..\\NOPE$0"}) {
        CCTWindow w(Combo(t, 0, 80, 60));
        EXPECT_EQ(CCT_Snap(w).px, placeholder.px) << t;
        EXPECT_EQ(CCT_Slot(w, 20), 0) << t;
    }
    // A name with a path is opened as given; a long name is used whole.
    std::string longName(40, 'L');
    Write((longName + ".BMP").c_str(), MakeBmp(20, 20, 24, GREEN));
    CreateDirectoryA("sub", nullptr);
    Write("sub\\PIC.BMP", MakeBmp(20, 20, 24, GREEN));
    std::string longText = "OK$" + longName + "$0";
    for (const char *t : {"OK$PIC20.BMP$0", "OK$sub\\PIC$0", longText.c_str()}) {
        CCTWindow w(Combo(t, 0, 80, 60));
        EXPECT_EQ(Where(CCT_Snap(w), GREEN), (Quad{30, 3, 20, 20})) << t;
    }
}

TEST_F(S09Combo, WellFormedFilesOfEachBitCount)
{
    for (int n : {1, 4, 8, 24, 32}) {
        for (COLORREF c : {GREEN, RED}) {
            Write("DEPTH.BMP", MakeBmp(13, 7, n, c));  // odd width: padded rows
            CCTWindow w(Combo(" $DEPTH$0", 0x10));
            EXPECT_EQ(Where(CCT_Snap(w), c), (Quad{3, 11, 13, 7})) << n;
        }
    }
}

// ---------------------------------------------------------------------------
// Place, stretch, label box, press

TEST_F(S09Combo, PictureAndLabelPlacedByPositionAndPressed)
{
    const int W = 100, H = 30;
    struct {
        DWORD style;
        int x, y;            // picture, normal look
        int lx, ly, lw, lh;  // label box
    } cases[] = {
        {0x00, 40, 3, 0, 20, W, H - 20},
        {0x10, 3, 5, 20, 0, W - 20, H},
        {0x20, 40, 7, 0, 0, W, H - 20},
        {0x30, 77, 5, 0, 0, W - 20, H},
    };
    for (auto &c : cases) {
        CCTWindow w(Combo("Go$PIC20$3", c.style, W, H));
        CCT_ClearLog();
        for (int d : {0, 2}) {
            // Pressed: picture and label two pixels right and down, drawn at the press.
            if (d) CCT_Send(w, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
            EXPECT_EQ(Where(CCT_Snap(w), GREEN), (Quad{c.x + d, c.y + d, 20, 20})) << c.style;
            EXPECT_EQ(InkOf(w, W, H), LabelInk("Go", W, H, c.lx + d, c.ly + d, c.lw, c.lh)) << c.style;
            EXPECT_EQ(CCT_Slot(w, 65), d / 2);
        }
        CCT_Send(w, WM_LBUTTONUP, 10, 10, 0);
        EXPECT_EQ(Where(CCT_Snap(w), GREEN), (Quad{c.x, c.y, 20, 20})) << c.style;
        EXPECT_EQ(CCT_Commands(), (std::vector<CCTMsg>{CCT_Cmd(ID, w), CCT_Cmd(ID + 1000, w)}));
    }
}

TEST_F(S09Combo, StretchedOverTheFaceWhichIsNotFilled)
{
    CCTWindow w(Combo(" $PIC20$0", 0x400));
    EXPECT_EQ(Where(CCT_Snap(w), GREEN), (Quad{3, 3, 94, 24}));
    CCT_Send(w, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    CCTImage down = CCT_Snap(w);
    EXPECT_EQ(Where(down, GREEN, 5, 5), (Quad{5, 5, 92, 22}));
    EXPECT_EQ(down.at(3, 3), GREEN);  // between the pressed edges and the picture
    EXPECT_EQ(down.at(1, 1), 0x808080u);
}

TEST_F(S09Combo, PictureMuchLargerThanTheControl)
{
    Write("HUGE.BMP", MakeBmp(600, 400, 8, GREEN));
    CCTWindow w(Combo("Big$HUGE$3", 0x20, 60, 40));
    CCTImage img = CCT_Snap(w);
    EXPECT_EQ(img.at(30, 20), GREEN);
    EXPECT_EQ(img.at(1, 30), GREEN);
}

// ---------------------------------------------------------------------------
// Texts

TEST_F(S09Combo, NewPictureNameDropsTheKeptFile)
{
    for (const char *option : {"/_____1", "/_____2"}) {
        Write("NEXT.BMP", MakeBmp(20, 20, 24, RED));
        CCTWindow w(Combo("OK$PIC20$1"));
        ASSERT_NE(CCT_Slot(w, 20), 0);
        SetWindowTextA(w, option);
        SetWindowTextA(w, "NEXT");
        EXPECT_EQ(CCT_RawText(w), "OK$NEXT$1") << option;
        EXPECT_EQ(CCT_Slot(w, 20), 0) << option;
        // Variant 1 repaints later; other variants draw nothing.
        EXPECT_EQ(GetUpdateRect(w, nullptr, FALSE) != 0, option[6] == '1') << option;
        CCT_Repaint(w);
        EXPECT_EQ(Where(CCT_Snap(w), RED), (Quad{40, 3, 20, 20})) << option;
    }
}

TEST_F(S09Combo, LabelChangeLooksLikeANewButtonInEveryLook)
{
    for (int look : {0, 1, 2}) {  // normal, pressed, disabled
        CCTWindow fresh(Combo("Next$PIC20$2", 0x10));
        CCTWindow w(Combo("Previous$PIC20$2", 0x10));
        for (HWND h : {fresh.h, w.h}) {
            if (look == 1) CCT_Send(h, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
            if (look == 2) EnableWindow(h, FALSE);
        }
        SetWindowTextA(w, "Next");
        EXPECT_EQ(CCT_RawText(w), "Next$PIC20$2");
        EXPECT_EQ(CCT_Snap(w).px, CCT_Snap(fresh).px) << look;
        EXPECT_EQ(CCT_Snap(w).Count(GREEN), look == 2 ? 0 : 400) << look;
    }
    // Where nothing can be drawn the text is still stored, for the next paint.
    CCTWindow big(Combo("Old$PIC20$2", 0, 4000, 2200));
    SetWindowTextA(big, "New");
    EXPECT_EQ(CCT_RawText(big), "New$PIC20$2");
    EXPECT_NE(GetUpdateRect(big, nullptr, FALSE), 0);
}

// ---------------------------------------------------------------------------
// Malformed files

TEST_F(S09Combo, MalformedFilesShowThePlaceholder)
{
    const std::string good = MakeBmp(20, 20, 8, GREEN);
    auto with = [&](size_t at, uint32_t v, int bytes) {
        std::string b = good;
        Put(b, at, v, bytes);
        return b;
    };
    auto with2 = [&](size_t at1, uint32_t v1, size_t at2, uint32_t v2) {
        std::string b = good;
        Put(b, at1, v1, 4);
        Put(b, at2, v2, 4);
        return b;
    };
    const int INFO = 14, TABLE = 14 + 40, BITS = TABLE + 1024;
    struct {
        const char *what;
        std::string bytes;
        int verdict;  // CCBmp_Check of the bytes from 14 on; -1: no block at all
    } cases[] = {
        {"zero bytes", "", -1},
        {"inside the file header", good.substr(0, 10), -1},
        {"file header only", good.substr(0, 14), CCBMP_SHORT_HEADER},
        {"cut in the info header", good.substr(0, INFO + 30), CCBMP_SHORT_HEADER},
        {"core header size", with(INFO, 12, 4), CCBMP_HEADER_SIZE},
        {"header size lies", with(INFO, 0xFFFFFFF0u, 4), CCBMP_HEADER_SIZE},
        {"width 0", with(INFO + 4, 0, 4), CCBMP_SIZE},
        {"negative width", with(INFO + 4, (uint32_t)-20, 4), CCBMP_SIZE},
        {"top-down rows", with(INFO + 8, (uint32_t)-20, 4), CCBMP_SIZE},
        {"huge width", with(INFO + 4, 1000000, 4), CCBMP_SIZE},
        {"width x height past the limit", with2(INFO + 4, 8192, INFO + 8, 4096), CCBMP_SIZE},
        {"planes 0", with(INFO + 12, 0, 2), CCBMP_PLANES},
        {"16 bits", with(INFO + 14, 16, 2), CCBMP_BIT_COUNT},
        {"bit count 0", with(INFO + 14, 0, 2), CCBMP_BIT_COUNT},
        {"run-length compressed", with(INFO + 16, 1, 4), CCBMP_COMPRESSED},
        {"bit fields", with(INFO + 16, 3, 4), CCBMP_COMPRESSED},
        {"short colour table announced", with(INFO + 32, 16, 4), CCBMP_COLOURS},
        {"more colours than the bit count", with(INFO + 32, 100000, 4), CCBMP_COLOURS},
        {"cut in the colour table", good.substr(0, TABLE + 500), CCBMP_SHORT_TABLE},
        {"pixels one byte short", good.substr(0, good.size() - 1), CCBMP_SHORT_BITS},
        {"no pixels", good.substr(0, BITS), CCBMP_SHORT_BITS},
        {"height lies", with(INFO + 8, 21, 4), CCBMP_SHORT_BITS},
        {"8 bits announced as 32", with(INFO + 14, 32, 2), CCBMP_SHORT_BITS},
    };
    CCTImage placeholder = PlaceholderLook("Bad", 80, 60);
    for (auto &c : cases) {
        if (c.bytes.size() >= 14) {
            const unsigned char *b = (const unsigned char *)c.bytes.data() + 14;
            EXPECT_EQ((int)CCBmp_Check(b, c.bytes.size() - 14, nullptr), c.verdict) << c.what;
        }
        Write("BAD.BMP", c.bytes);
        CCTImage got;
        LONG kept = -1;
        EXPECT_EQ(CCT_GdiLeaked([&] {
                      CCTWindow w(Combo("Bad$BAD$0", 0, 80, 60));
                      got = CCT_Snap(w);
                      kept = CCT_Slot(w, 20);
                  }),
                  0)
            << c.what;
        EXPECT_EQ(got.px, placeholder.px) << c.what;
        EXPECT_EQ(kept, 0) << c.what;
        // The file was closed: it can be replaced at once.
        EXPECT_TRUE(DeleteFileA("BAD.BMP")) << c.what;
    }
    // The unchanged file is read, and a null or empty block is refused.
    CCBmpLayout l;
    EXPECT_EQ(CCBmp_Check((const unsigned char *)good.data() + 14, good.size() - 14, &l), CCBMP_OK);
    EXPECT_EQ(l.bitsOffset, 1064u);
    EXPECT_EQ(l.bitsBytes, 20u * 20u);
    EXPECT_EQ(CCBmp_Check(nullptr, 100, nullptr), CCBMP_SHORT_HEADER);
}

TEST_F(S09Combo, EveryLookReleasesWhatItMakes)
{
    for (const char *t : {"OK$PIC20$3", "OK$ $3"}) {
        for (DWORD style : {0x00, 0x400, 0x800}) {
            EXPECT_EQ(CCT_GdiLeaked([&] {
                          CCTWindow w(Combo(t, style));
                          CCT_Send(w, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
                          SetWindowTextA(w, "Label");
                          CCT_Send(w, WM_MOUSEMOVE, 300, 5, MK_LBUTTON);
                          CCT_Send(w, WM_LBUTTONUP, 10, 10, 0);
                          SetWindowTextA(w, "/_____1");
                          SetWindowTextA(w, "PIC20");
                          EnableWindow(w, FALSE);
                          EnableWindow(w, TRUE);
                          CCT_Pump();
                      }),
                      0)
                << t << " style " << style;
        }
    }
}
