// Gallery: creates every kind of both libraries in its normal, pressed and
// disabled looks and its main variants, captures each control from the real
// DLLs and composes one labelled PNG.
//
//   ccgallery [--png FILE] [--strict] [--cells FILE]
//
// The libraries come from the installation's system path,
// %CC_ROOT%\%CC_SYSTEM%\windows\lib (default: the demo installation beside
// the build, ..\demo\install\studio). --strict exits with status 3 when a
// pressed or disabled look that should differ from the normal one does not.
// --cells writes where each control's picture lies on the sheet, one line per
// look: row name, caption, x, y, width, height, separated by tabs (the builds'
// galleries are compared cell by cell).
#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#include <string.h>
#include <string>
#include <vector>

#include "cccapture.h"
#include "cckit.h"
#include "ccpng.h"
#include "kerv_cc.h"

namespace {

enum Look { LOOK_NORMAL, LOOK_PRESSED, LOOK_DISABLED, LOOK_VARIANT };

// A variant: its caption, style bits added to the kind, its own text and
// size (0: the row's), and texts sent with WM_SETTEXT after creation.
struct Variant {
    const char *caption;
    DWORD style;
    const char *text;
    int w, h;
    const char *sets[8];
};

// One kind: the class, kind value, default size and text, texts sent after
// creation, whether its pressed and disabled looks differ from the normal one.
struct Row {
    const char *name;
    bool special;
    DWORD kind;
    int w, h;
    const char *text;
    const char *setup[8];
    bool pressLook, disabledLook;
    Variant variants[3];
};

const Row kRows[] = {
    {"Button", false, CC_KIND_BUTTON, 72, 42, "Play", {}, true, true,
     {{"red /9F, two lines", 0, "Take|Program", 0, 0, {"/9F"}}, {"green /A0", 0, nullptr, 0, 0, {"/A0"}}}},
    {"LED button", false, CC_KIND_LED_BUTTON, 72, 42, "Go", {"/____A"}, true, true,
     {{"red lamp /____9", 0, "Stop", 0, 0, {"/____9"}}, {"yellow face /B0", 0, "Wait", 0, 0, {"/B0__B"}}}},
    {"Dest button", false, CC_KIND_DEST_BUTTON, 80, 54, "Out 1", {"/_____1", "PGM", "/_____0"}, true, true,
     {{"coloured /9F4F", 0, "Out 2", 0, 0, {"/9F4F", "/_____1", "PVW", "/_____0"}}}},
    {"Static text", false, CC_KIND_STATIC_TEXT, 110, 22, "Level", {}, false, true,
     {{"/__4EB", 0, "Standby", 0, 0, {"/__4EB"}}, {"/__9F0", 0, "Alarm", 0, 0, {"/__9F0"}}}},
    {"Browse button", false, CC_KIND_BROWSE_BUTTON, 72, 42, "Cam 1", {}, true, true,
     {{"cyan /E0", 0, "Cam 2", 0, 0, {"/E0"}}, {"purple /5F", 0, "Cue|Next", 0, 0, {"/5F"}}}},
    {"Ident text", false, CC_KIND_IDENT_TEXT, 150, 52, "ON AIR|Studio 2", {}, false, false,
     {{"red /__9F", 0, "ON AIR", 0, 0, {"/__9F"}}}},
    {"Bitmap button", false, CC_KIND_BITMAP_BUTTON, 26, 30, "PLAY", {}, true, true,
     {{"STOP", 0, "STOP", 0, 0, {}}, {"unframed /_____1", 0, "REC", 0, 0, {"/_____1"}}}},
    {"Touch button", false, CC_KIND_TOUCH_BUTTON, 72, 42, "Talk", {}, true, true,
     {{"dark green /2F", 0, "Mic|On", 0, 0, {"/2F"}}, {"white /F4", 0, "Ident", 0, 0, {"/F4"}}}},
    {"Flat button", false, CC_KIND_FLAT_BUTTON, 56, 28, "Src 1", {}, true, true,
     {{"/9F4F0", 0, "Src 2", 0, 0, {"/9F4F0"}}, {"/F0709", 0, "Src 3", 0, 0, {"/F0709"}}}},
    {"Multi button", false, CC_KIND_MULTI_BUTTON, 100, 72, "Line 1",
     {"/_____1", "CAM 1", "/_____2", "A", "/_____3", "B", "/_____0"}, true, true,
     {{"coloured /9F", 0, "Line 2", 0, 0, {"/9F4F", "/_____1", "VTR", "/_____2", "L", "/_____3", "R", "/_____0"}}}},
    {"Vertical fader", false, CC_KIND_VFADER, 24, 96, "Level", {}, true, true,
     {{"70, coloured", 0, nullptr, 0, 0, {"/9_E_0", "/__A__2", "/_____0", "70"}}, {"20", 0, nullptr, 0, 0, {"20"}}}},
    {"Horizontal fader", false, CC_KIND_HFADER, 96, 24, "Pan", {}, true, true,
     {{"70, coloured", 0, nullptr, 0, 0, {"/9_E_0", "/__A__2", "/_____0", "70"}}, {"20", 0, nullptr, 0, 0, {"20"}}}},
    {"Font button", true, CC09_KIND_FONT_BUTTON, 90, 32, "Take$Arial,10$2", {}, true, true,
     {{"Times New Roman 12", 0, "Times$Times New Roman,12$2", 0, 0, {}}, {"red /9F", 0, nullptr, 0, 0, {"/9F"}}}},
    {"Combo BMP button", true, CC09_KIND_COMBO_BMP, 90, 60, "Cam 1$CAM$2", {}, true, true,
     {{"picture left", CC09_PICTURE_LEFT, "Mic$MIC$2", 110, 44, {}},
      {"picture right", CC09_PICTURE_RIGHT, "Mic$MIC$2", 110, 44, {}},
      {"stretched", CC09_PICTURE_STRETCH, "Sky$CAM$2", 0, 0, {}}}},
    {"LED display", true, CC09_KIND_LED_DISPLAY, 110, 32, "12:34$20$0", {}, false, true,
     {{"yellow on blue /4B", 0, nullptr, 0, 0, {"/4B"}}, {"size 12", 0, "READY$12$0", 0, 0, {}}}},
    {"Dual LED button", true, CC09_KIND_DUAL_LED, 56, 56, "Mic$ $2", {}, true, true,
     {{"lamps /__9AC", 0, "Talk$ $2", 0, 0, {"/__9AC"}}, {"system font, /___A7", 0, "Cue$L$3", 0, 0, {"/___A7"}}}},
    {"Font button 95", true, CC09_KIND_FONT_BUTTON_95, 90, 24, "Next$AuxText$3", {}, true, true,
     {{"Tahoma 9", 0, "Skip$Tahoma,9$3", 0, 0, {}}, {"blue /CF", 0, nullptr, 0, 0, {"/CF"}}}},
    {"Font display", true, CC09_KIND_FONT_DISPLAY, 110, 30, "Studio 2$Arial,12$8", {}, false, true,
     {{"raised edge", CC09_RAISED_EDGE, nullptr, 0, 0, {}}, {"no edge", CC09_NO_EDGE, nullptr, 0, 0, {}},
      {"green on black /__0A", 0, nullptr, 0, 0, {"/__0A"}}}},
    {"Chunky font button", true, CC09_KIND_CHUNKY_BUTTON, 90, 32, "Cue$Arial,10$2", {}, true, true,
     {{"blue frame /____C", 0, nullptr, 0, 0, {"/____C"}}, {"Arial 14", 0, "Big$Arial,14$2", 0, 0, {}}}},
    {"Repeat button", true, CC09_KIND_REPEAT_BUTTON, 72, 28, "Up$100$1", {}, true, true,
     {{"Down", 0, "Down$100$1", 0, 0, {}}}},
};

struct Cell {
    std::string caption;
    int w = 0, h = 0;
    std::vector<uint8_t> rgb;
};

HWND g_host;

void LogLine(const char *line) { printf("%s\n", line); }

// Loads KERV_CC.DLL (and with it KERV_CC09.DLL) and the font from the demo's
// installation (or CC_ROOT / CC_SYSTEM); false with a message when something is missing.
bool LoadKit()
{
    CCKit_DefaultRoot(CCKit_ProgramDir() + "\\..\\demo\\install");
    return CCKit_Load("gallery", LogLine) != nullptr;
}

// Creates one control in a look, captures it and destroys it.
Cell Render(const Row &row, Look look, const Variant *v)
{
    Cell c;
    int w = v && v->w ? v->w : row.w, h = v && v->h ? v->h : row.h;
    const char *text = v && v->text ? v->text : row.text;
    DWORD style = WS_CHILD | WS_VISIBLE | row.kind | (v ? v->style : 0);
    HWND ctl = CreateWindowExA(0, row.special ? KERV_CC09_CLASS : KERV_CC_CLASS, text, style, 8, 8, w, h, g_host,
                               (HMENU)(INT_PTR)100, GetModuleHandleA(nullptr), nullptr);
    if (!ctl) return c;
    for (const char *s : row.setup)
        if (s) SendMessageA(ctl, WM_SETTEXT, 0, (LPARAM)s);
    if (v)
        for (const char *s : v->sets)
            if (s) SendMessageA(ctl, WM_SETTEXT, 0, (LPARAM)s);
    if (look == LOOK_DISABLED) EnableWindow(ctl, FALSE);
    InvalidateRect(ctl, nullptr, TRUE);
    UpdateWindow(ctl);
    CCKit_Pause(0);
    if (look == LOOK_PRESSED) {
        // A fader's press moves its knob: press a quarter of the way in.
        int x = row.kind == CC_KIND_HFADER && !row.special ? w / 4 : w / 2;
        int y = row.kind == CC_KIND_VFADER && !row.special ? h / 4 : h / 2;
        POINT pt = {x, y};
        ClientToScreen(ctl, &pt);
        SetCursorPos(pt.x, pt.y);
        SendMessageA(ctl, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        UpdateWindow(ctl);
        CCKit_Pause(0);
    }
    CCCapture_Client(ctl, c.rgb, &c.w, &c.h);
    if (look == LOOK_PRESSED) {
        SendMessageA(ctl, WM_LBUTTONUP, 0, MAKELPARAM(-50, -50));
        if (GetCapture() == ctl) ReleaseCapture();
    }
    DestroyWindow(ctl);
    CCKit_Pause(0);
    return c;
}

// The sheet: a 32-bit top-down DIB section with GDI text on it.
struct Sheet {
    HDC dc = nullptr;
    HBITMAP bmp = nullptr;
    HGDIOBJ old = nullptr;
    uint32_t *bits = nullptr;
    int w = 0, h = 0;
    ~Sheet()
    {
        if (dc && old) SelectObject(dc, old);
        if (bmp) DeleteObject(bmp);
        if (dc) DeleteDC(dc);
    }
};

bool MakeSheet(Sheet &s, int w, int h)
{
    s.dc = CreateCompatibleDC(nullptr);
    if (!s.dc) return false;
    void *bits = nullptr;
    s.bmp = CCCapture_TopDownDib(s.dc, w, h, &bits);
    if (!s.bmp) return false;
    s.old = SelectObject(s.dc, s.bmp);
    s.bits = (uint32_t *)bits;
    s.w = w;
    s.h = h;
    for (int i = 0; i < w * h; i++) s.bits[i] = 0xF0F0F0;
    SelectObject(s.dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(s.dc, TRANSPARENT);
    return true;
}

void Text(Sheet &s, int x, int y, const std::string &t, COLORREF colour)
{
    SetTextColor(s.dc, colour);
    TextOutA(s.dc, x, y, t.c_str(), (int)t.size());
}

void Put(Sheet &s, int x, int y, const Cell &c)
{
    GdiFlush();
    for (int j = 0; j < c.h && y + j < s.h; j++)
        for (int i = 0; i < c.w && x + i < s.w; i++) {
            const uint8_t *p = &c.rgb[((size_t)j * c.w + i) * 3];
            s.bits[(size_t)(y + j) * s.w + x + i] = (uint32_t)p[0] << 16 | (uint32_t)p[1] << 8 | p[2];
        }
}

bool SamePixels(const Cell &a, const Cell &b) { return a.w == b.w && a.h == b.h && a.rgb == b.rgb; }

// Width of a cell's slot on the sheet: the control or its caption, whichever
// is wider, and at least kMinSlot.
int SlotWidth(const Cell &c)
{
    const int kMinSlot = 100;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SIZE sz = {0, 0};
    GetTextExtentPoint32A(dc, c.caption.c_str(), (int)c.caption.size(), &sz);
    SelectObject(dc, old);
    DeleteDC(dc);
    int w = c.w > (int)sz.cx + 4 ? c.w : (int)sz.cx + 4;
    return w > kMinSlot ? w : kMinSlot;
}

LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

int main(int argc, char **argv)
{
    _setmode(_fileno(stdout), _O_BINARY);
    std::string png = "gallery.png";
    std::string cellsFile;
    bool strict = false;
    for (int i = 1; i < argc; i++) {
        if (!strcmp(argv[i], "--png") && i + 1 < argc) png = argv[++i];
        else if (!strcmp(argv[i], "--cells") && i + 1 < argc) cellsFile = argv[++i];
        else if (!strcmp(argv[i], "--strict")) strict = true;
        else {
            printf("usage: ccgallery [--png FILE] [--strict] [--cells FILE]\n");
            return 2;
        }
    }
    if (!LoadKit()) return 2;

    WNDCLASSA wc = {};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
    wc.lpszClassName = "CCGalleryHost";
    RegisterClassA(&wc);
    g_host = CreateWindowExA(0, wc.lpszClassName, "Gallery", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                             nullptr, wc.hInstance, nullptr);
    if (!g_host) {
        printf("gallery: no host window (error %lu)\n", (unsigned long)GetLastError());
        return 1;
    }

    // Every row's cells: normal, pressed, disabled, then the variants.
    const int kGap = 16, kLeft = 150, kCaption = 16, kTop = 34;
    std::vector<std::vector<Cell>> rows;
    int unexpected = 0, looks = 0, sheetW = 0, sheetH = kTop;
    for (const Row &r : kRows) {
        std::vector<Cell> cells;
        const char *names[] = {"normal", "pressed", "disabled"};
        for (int look = LOOK_NORMAL; look <= LOOK_DISABLED; look++) {
            cells.push_back(Render(r, (Look)look, nullptr));
            cells.back().caption = names[look];
        }
        for (const Variant &v : r.variants)
            if (v.caption) {
                cells.push_back(Render(r, LOOK_VARIANT, &v));
                cells.back().caption = v.caption;
            }
        bool pressSame = SamePixels(cells[0], cells[1]), disabledSame = SamePixels(cells[0], cells[2]);
        if (pressSame) cells[1].caption = "pressed: no change";
        if (disabledSame) cells[2].caption = "disabled: no change";
        int x = kLeft, hmax = 0;
        for (const Cell &c : cells) {
            looks++;
            if (c.rgb.empty()) {
                printf("gallery: %s, %s: NOT rendered\n", r.name, c.caption.c_str());
                unexpected++;
            }
            x += SlotWidth(c) + kGap;
            if (c.h > hmax) hmax = c.h;
        }
        if (pressSame == r.pressLook || disabledSame == r.disabledLook) {
            printf("gallery: %s: pressed look %s, disabled look %s the normal one: UNEXPECTED\n", r.name,
                   pressSame ? "same as" : "differs from", disabledSame ? "same as" : "differs from");
            unexpected++;
        }
        printf("gallery: %s: %zu looks\n", r.name, cells.size());
        if (x > sheetW) sheetW = x;
        sheetH += hmax + kCaption + kGap;
        rows.push_back(std::move(cells));
    }
    DestroyWindow(g_host);

    Sheet s;
    if (!MakeSheet(s, sheetW, sheetH)) {
        printf("gallery: no sheet of %d x %d\n", sheetW, sheetH);
        return 1;
    }
    Text(s, 10, 8,
         "Control kit gallery: every kind of KERV_CC.DLL (class VEK_CC_Button) and KERV_CC09.DLL "
         "(class VEK_CC09_Button), rendered by the libraries",
         RGB(0, 0, 0));
    std::string cellLines;
    int y = kTop;
    for (size_t i = 0; i < rows.size(); i++) {
        const Row &r = kRows[i];
        int hmax = 0;
        for (const Cell &c : rows[i]) hmax = c.h > hmax ? c.h : hmax;
        char kind[64];
        snprintf(kind, sizeof kind, "%s 0x%04lX", r.special ? "KERV_CC09" : "KERV_CC", (unsigned long)r.kind);
        Text(s, 10, y, r.name, RGB(0, 0, 0));
        Text(s, 10, y + 14, kind, RGB(96, 96, 96));
        int x = kLeft;
        for (const Cell &c : rows[i]) {
            if (!c.rgb.empty()) Put(s, x, y, c);
            char line[200];
            snprintf(line, sizeof line, "%s\t%s\t%d\t%d\t%d\t%d\n", r.name, c.caption.c_str(), x, y, c.w, c.h);
            cellLines += line;
            Text(s, x, y + hmax + 2, c.caption, RGB(64, 64, 64));
            x += SlotWidth(c) + kGap;
        }
        y += hmax + kCaption + kGap;
    }
    GdiFlush();
    std::vector<uint8_t> rgb((size_t)s.w * s.h * 3);
    for (size_t i = 0; i < (size_t)s.w * s.h; i++) {
        rgb[i * 3] = (uint8_t)(s.bits[i] >> 16);
        rgb[i * 3 + 1] = (uint8_t)(s.bits[i] >> 8);
        rgb[i * 3 + 2] = (uint8_t)s.bits[i];
    }
    if (!CCPng_WriteFile(png.c_str(), s.w, s.h, rgb.data(), (size_t)s.w * 3)) {
        printf("gallery: cannot write %s\n", png.c_str());
        return 1;
    }
    if (!cellsFile.empty()) {
        FILE *f = fopen(cellsFile.c_str(), "wb");
        bool ok = f && fwrite(cellLines.data(), 1, cellLines.size(), f) == cellLines.size();
        if (f && fclose(f) != 0) ok = false;
        if (!ok) {
            printf("gallery: cannot write %s\n", cellsFile.c_str());
            return 1;
        }
    }
    printf("gallery: %zu kinds, %d looks, %d unexpected; %s %d x %d written\n", rows.size(), looks, unexpected,
           png.c_str(), s.w, s.h);
    return strict && unexpected ? 3 : 0;
}
