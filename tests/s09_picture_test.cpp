// Combo BMP button: where the picture comes from (resource, kept file, file,
// placeholder), its place by position and stretch, the label box, picture-name
// changes, malformed BMP files, bad names and GDI balance. Picture files are
// written by the tests into their own folder, made the current directory.
#include <gtest/gtest.h>
#include <string.h>
#include <string>
#include <vector>
#include "bmpfile.h"
#include "ccdraw.h"
#include "harness.h"
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

static RECT Box(const CCTImage &img, COLORREF c)
{
    RECT r = {0, 0, 0, 0};
    img.Find(c, &r);
    return r;
}

static void ExpectBox(const RECT &got, int x, int y, int w, int h, const std::string &what)
{
    EXPECT_EQ(got.left, x) << what;
    EXPECT_EQ(got.top, y) << what;
    EXPECT_EQ(got.right - got.left, w) << what;
    EXPECT_EQ(got.bottom - got.top, h) << what;
}

// Ink box of a label drawn black on the face in a box (w, h) at (x, y) of a W x H control.
static RECT LabelInk(const char *label, int W, int H, int x, int y, int w, int h)
{
    CCTCanvas c(W, H, FACE);
    HGDIOBJ prev = SelectObject(c.dc, GetStockObject(ANSI_VAR_FONT));
    CCDraw_Text(c.dc, 0, 8, w, h, x, y, 0, label);
    SelectObject(c.dc, prev);
    RECT r = {0, 0, 0, 0};
    c.Image().Find(BLACK, &r, 3, 3, W - 3, H - 3);
    return r;
}

// Ink of the label inside the edges.
static RECT InkOf(HWND hwnd, int W, int H)
{
    RECT r = {0, 0, 0, 0};
    CCT_Snap(hwnd).Find(BLACK, &r, 3, 3, W - 3, H - 3);
    return r;
}

static bool Same(const RECT &a, const RECT &b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// The look of the same button with no picture name: the placeholder.
static CCTImage PlaceholderLook(const char *label, DWORD style, int w, int h)
{
    std::string text = std::string(label) + "$ $0";
    CCTWindow ref(Combo(text.c_str(), style, w, h));
    return CCT_Snap(ref);
}

// ---------------------------------------------------------------------------
// Where the picture comes from

TEST_F(S09Combo, FileReadOnceKeptAndDrawnTopCentreWithTheLabelBelow)
{
    Write("TICK.BMP", MakeBmp(20, 20, 24, GREEN));
    CCTWindow w(Combo("OK$TICK$1", 0, 60, 50));
    HGLOBAL kept = (HGLOBAL)(LONG_PTR)CCT_Slot(w, 20);
    ASSERT_NE(kept, nullptr);
    ExpectBox(Box(CCT_Snap(w), GREEN), 20, 3, 20, 20, "TICK");
    EXPECT_TRUE(Same(InkOf(w, 60, 50), LabelInk("OK", 60, 50, 0, 20, 60, 30)));
    // Kept: the file is not needed again, the same block serves every paint.
    DeleteFileA("TICK.BMP");
    CCT_Repaint(w);
    EXPECT_EQ((HGLOBAL)(LONG_PTR)CCT_Slot(w, 20), kept);
    ExpectBox(Box(CCT_Snap(w), GREEN), 20, 3, 20, 20, "kept");
    // An application resource of the name comes first; nothing is read.
    Write("RESPIC.BMP", MakeBmp(20, 20, 24, RED));
    CCTWindow r(Combo("R$RESPIC$0", 0, 60, 50));
    EXPECT_EQ(CCT_Snap(r).Count(RED), 0);
    EXPECT_EQ(CCT_Slot(r, 20), 0);
}

TEST_F(S09Combo, NamesThatFindNoPictureShowThePlaceholder)
{
    Write("tick.bmp", MakeBmp(20, 20, 24, GREEN));
    CCTImage placeholder = PlaceholderLook("OK", 0, 80, 60);
    RECT pic = Box(placeholder, 0x00FFFF00);  // the placeholder's sky
    EXPECT_GT(pic.right - pic.left, 40);
    const char *texts[] = {"OK$tick.bmp$0", "OK$$0", "OK", "OK$NOSUCH$0", "OK$Z:NOPE$0",
                           "OK$..\\..\\NOPE$0", "OK$s09_picture_files$0"};
    CreateDirectoryA("s09_picture_files.BMP", nullptr);  // a folder with the name
    for (const char *t : texts) {
        CCTWindow w(Combo(t, 0, 80, 60));
        EXPECT_EQ(CCT_Snap(w).px, placeholder.px) << t;
        EXPECT_EQ(CCT_Slot(w, 20), 0) << t;
    }
    // Upper-case ".BMP" in the name is not appended again; a name with a path
    // is opened as given; a long name is whole.
    std::string longName(40, 'L');
    Write((longName + ".BMP").c_str(), MakeBmp(20, 20, 24, GREEN));
    CreateDirectoryA("sub", nullptr);
    Write("sub\\PIC.BMP", MakeBmp(20, 20, 24, GREEN));
    std::string longText = "OK$" + longName + "$0";
    for (const char *t : {"OK$PIC20.BMP$0", "OK$sub\\PIC$0", longText.c_str()}) {
        CCTWindow w(Combo(t, 0, 80, 60));
        ExpectBox(Box(CCT_Snap(w), GREEN), 30, 3, 20, 20, t);
    }
}

TEST_F(S09Combo, WellFormedFilesOfEachBitCount)
{
    for (int n : {1, 4, 8, 24, 32}) {
        for (COLORREF c : {GREEN, RED}) {
            Write("DEPTH.BMP", MakeBmp(13, 7, n, c));  // odd width: padded rows
            CCTWindow w(Combo(" $DEPTH$0", 0x10));
            ExpectBox(Box(CCT_Snap(w), c), 3, 11, 13, 7, "bits " + std::to_string(n));
        }
    }
}

// ---------------------------------------------------------------------------
// Place, stretch, label box

TEST_F(S09Combo, PictureAndLabelPlacedByPosition)
{
    const int W = 100, H = 30;
    struct {
        DWORD style;
        int x, y;                // picture, normal look
        int lx, ly, lw, lh;      // label box
    } cases[] = {
        {0x00, 40, 3, 0, 20, W, H - 20},
        {0x10, 3, 5, 20, 0, W - 20, H},
        {0x20, 40, 7, 0, 0, W, H - 20},
        {0x30, 77, 5, 0, 0, W - 20, H},
    };
    for (auto &c : cases) {
        CCTWindow w(Combo("Go$PIC20$0", c.style, W, H));
        std::string what = "style " + std::to_string(c.style);
        ExpectBox(Box(CCT_Snap(w), GREEN), c.x, c.y, 20, 20, what);
        EXPECT_TRUE(Same(InkOf(w, W, H), LabelInk("Go", W, H, c.lx, c.ly, c.lw, c.lh))) << what;
        // Pressed: picture and label two pixels right and down, drawn at the press.
        CCT_Send(w, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
        ExpectBox(Box(CCT_Snap(w), GREEN), c.x + 2, c.y + 2, 20, 20, what + " pressed");
        EXPECT_TRUE(Same(InkOf(w, W, H), LabelInk("Go", W, H, c.lx + 2, c.ly + 2, c.lw, c.lh))) << what;
        EXPECT_EQ(CCT_Slot(w, 65), 1);
        CCT_Send(w, WM_LBUTTONUP, 10, 10, 0);
        ExpectBox(Box(CCT_Snap(w), GREEN), c.x, c.y, 20, 20, what + " released");
        EXPECT_EQ(CCT_Slot(w, 65), 0);
    }
}

TEST_F(S09Combo, StretchedOverTheFaceWhichIsNotFilled)
{
    CCTWindow w(Combo(" $PIC20$0", 0x400));
    ExpectBox(Box(CCT_Snap(w), GREEN), 3, 3, 94, 24, "stretched");
    CCT_Send(w, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    CCTImage down = CCT_Snap(w);
    RECT r;
    EXPECT_TRUE(down.Find(GREEN, &r, 5, 5));
    ExpectBox(r, 5, 5, 92, 22, "pressed");
    // Between the pressed edges and the picture the normal look stays.
    EXPECT_EQ(down.at(3, 3), GREEN);
    EXPECT_EQ(down.at(1, 1), 0x808080u);
    CCT_Send(w, WM_LBUTTONUP, 10, 10, 0);
}

TEST_F(S09Combo, PictureMuchLargerThanTheControl)
{
    Write("HUGE.BMP", MakeBmp(600, 400, 8, GREEN));
    EXPECT_EQ(CCT_GdiLeaked([] {
                  CCTWindow w(Combo("Big$HUGE$3", 0x20, 60, 40));
                  CCTImage img = CCT_Snap(w);
                  EXPECT_EQ(img.at(30, 20), GREEN);
                  EXPECT_EQ(img.at(1, 30), GREEN);
                  CCT_Send(w, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
                  CCT_Send(w, WM_LBUTTONUP, 10, 10, 0);
                  SetWindowTextA(w, "Bigger");
              }),
              0);
}

// ---------------------------------------------------------------------------
// Texts and looks

TEST_F(S09Combo, NewPictureNameDropsTheKeptFile)
{
    struct {
        const char *option;
        bool invalidates;
    } cases[] = {{"/_____1", true}, {"/_____2", false}};
    for (auto &c : cases) {
        Write("NEXT.BMP", MakeBmp(20, 20, 24, RED));
        CCTWindow w(Combo("OK$PIC20$1"));
        ASSERT_NE(CCT_Slot(w, 20), 0);
        SetWindowTextA(w, c.option);
        EXPECT_EQ(CCT_RawText(w), "OK$PIC20$1");
        SetWindowTextA(w, "NEXT");
        EXPECT_EQ(CCT_RawText(w), "OK$NEXT$1") << c.option;
        EXPECT_EQ(CCT_Slot(w, 20), 0) << c.option;
        EXPECT_EQ(GetUpdateRect(w, nullptr, FALSE) != 0, c.invalidates) << c.option;
        CCT_Repaint(w);
        ExpectBox(Box(CCT_Snap(w), RED), 40, 3, 20, 20, c.option);
        EXPECT_NE(CCT_Slot(w, 20), 0);
    }
}

TEST_F(S09Combo, LabelChangeLooksLikeANewButtonInEveryLook)
{
    // 0 normal, 1 pressed, 2 disabled.
    for (int look = 0; look < 3; look++) {
        CCTWindow fresh(Combo("Next$PIC20$2", 0x10));
        CCTWindow w(Combo("Previous$PIC20$2", 0x10));
        for (HWND h : {fresh.h, w.h}) {
            if (look == 1) CCT_Send(h, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
            if (look == 2) EnableWindow(h, FALSE);
        }
        SetWindowTextA(w, "Next");
        EXPECT_EQ(CCT_RawText(w), "Next$PIC20$2");
        EXPECT_EQ(CCT_Snap(w).px, CCT_Snap(fresh).px) << "look " << look;
        EXPECT_EQ(CCT_Snap(w).Count(GREEN), look == 2 ? 0 : 400) << "look " << look;
        for (HWND h : {fresh.h, w.h}) CCT_Send(h, WM_LBUTTONUP, 10, 10, 0);
    }
}

TEST_F(S09Combo, PressNotifications)
{
    const WPARAM P = ID, R = ID + 1000;
    struct {
        const char *text;
        std::vector<WPARAM> ids;
    } cases[] = {{"A$PIC20$3", {P, R}}, {"A$PIC20$2", {P}}, {"A$PIC20$1", {P}}, {"A$PIC20$0", {}}};
    for (auto &c : cases) {
        CCTWindow w(Combo(c.text));
        CCT_ClearLog();
        CCT_Send(w, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
        CCT_Send(w, WM_LBUTTONUP, 10, 10, 0);
        std::vector<CCTMsg> want;
        for (WPARAM id : c.ids) want.push_back(CCT_Cmd(id, w));
        EXPECT_EQ(CCT_Commands(), want) << c.text;
    }
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
    CCTImage placeholder = PlaceholderLook("Bad", 0, 80, 60);
    for (auto &c : cases) {
        if (c.bytes.size() >= 14) {
            const unsigned char *b = (const unsigned char *)c.bytes.data() + 14;
            EXPECT_EQ((int)CCBmp_Check(b, c.bytes.size() - 14, nullptr), c.verdict) << c.what;
        }
        Write("BAD.BMP", c.bytes);
        EXPECT_EQ(CCT_GdiLeaked([&] {
                      CCTWindow w(Combo("Bad$BAD$0", 0, 80, 60));
                      EXPECT_EQ(CCT_Snap(w).px, placeholder.px) << c.what;
                      EXPECT_EQ(CCT_Slot(w, 20), 0) << c.what;
                  }),
                  0)
            << c.what;
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
    for (const char *t : {"OK$PIC20$3", "OK$ $3", "OK$MISSING$3"}) {
        for (DWORD style : {0x00, 0x30, 0x400, 0x800}) {
            EXPECT_EQ(CCT_GdiLeaked([&] {
                          CCTWindow w(Combo(t, style));
                          CCT_Send(w, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
                          SetWindowTextA(w, "Label");
                          CCT_Send(w, WM_MOUSEMOVE, 300, 5, MK_LBUTTON);
                          CCT_Send(w, WM_LBUTTONUP, 10, 10, 0);
                          SetWindowTextA(w, "/_____1");
                          SetWindowTextA(w, "PIC20");
                          EnableWindow(w, FALSE);
                          SetWindowTextA(w, "/_____0");
                          SetWindowTextA(w, "Off");
                          EnableWindow(w, TRUE);
                          CCT_Pump();
                      }),
                      0)
                << t << " style " << style;
        }
    }
}
