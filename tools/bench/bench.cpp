// Benchmark: every kind of KERV_CC beside the stock controls and the copy floor.
// Each row is timed with QueryPerformanceCounter in batches; the median batch
// (per operation) is reported. Every measurement is bounded in repetitions and time.
#include <windows.h>
#include <commctrl.h>
#include <algorithm>
#include <stdio.h>
#include <string.h>
#include <string>
#include <vector>

namespace {

struct Options {
    int batches = 15;      // batches per measurement (median taken over these)
    int perBatch = 40;     // operations per batch
    double maxSeconds = 1.5;  // bound per measurement
    int panelControls = 500;
    const char *csv = nullptr;
    bool smoke = false;
};
Options g_opt;

LARGE_INTEGER g_freq;
double Now()
{
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return (double)t.QuadPart / (double)g_freq.QuadPart;
}

void Pump()
{
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
}

// Median microseconds per operation of `op` (called with the repetition index).
template <class F> double Measure(F op)
{
    std::vector<double> perOp;
    double start = Now();
    int rep = 0;
    op(rep++);  // warm-up
    for (int b = 0; b < g_opt.batches; b++) {
        double t0 = Now();
        for (int i = 0; i < g_opt.perBatch; i++) op(rep++);
        perOp.push_back((Now() - t0) * 1e6 / g_opt.perBatch);
        if (Now() - start > g_opt.maxSeconds && perOp.size() >= 3) break;
    }
    std::sort(perOp.begin(), perOp.end());
    return perOp[perOp.size() / 2];
}

int g_commands;
LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_COMMAND) {
        g_commands++;
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

HWND MakeParent(int w, int h)
{
    static bool registered;
    if (!registered) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = ParentProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
        wc.lpszClassName = "CCBenchParent";
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        RegisterClassA(&wc);
        registered = true;
    }
    HWND p = CreateWindowExA(0, "CCBenchParent", "bench", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, w, h,
                             nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    Pump();
    return p;
}

HWND Child(HWND parent, const char *cls, DWORD style, const char *text, int x, int y, int w, int h, int id)
{
    HWND c = CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                             (HMENU)(INT_PTR)id, GetModuleHandleA(nullptr), nullptr);
    Pump();
    return c;
}

// A kind of the standard library with what the benchmark needs to drive it.
struct Kind {
    const char *name;
    DWORD style;
    int w, h;
    const char *text;
    bool button;  // press-and-release cycle measured
    const char *label2;  // second label for the label-change row (null: none)
};

const Kind kKinds[] = {
    {"Button", 0x0001, 100, 40, "Play|Out", true, "Stop|Out"},
    {"LED Button", 0x0002, 100, 40, "On Air", true, "Off Air"},
    {"Dest Button", 0x0004, 100, 40, "Studio 1", true, "Studio 2"},
    {"Static Text", 0x0008, 100, 40, "Channel 1", false, "Channel 2"},
    {"Browse Button", 0x0010, 100, 40, "Cam 1", true, "Cam 2"},
    {"Ident Text", 0x0020, 100, 40, "STUDIO|ONE", false, "STUDIO|TWO"},
    {"Bitmap Button", 0x0040, 100, 40, "BENCHPIC", true, nullptr},
    {"Touch Button", 0x0080, 100, 40, "Take", true, "Cut"},
    {"Flat Button", 0x0100, 100, 40, "Mix", true, "Wipe"},
    {"Multi Button", 0x0200, 100, 40, "VTR 1", true, "VTR 2"},
    {"Vertical Fader", 0x0400, 30, 150, "", false, nullptr},
    {"Horizontal Fader", 0x0800, 150, 30, "", false, nullptr},
};

struct Row {
    std::string group, name;
    double us;
    double stock;  // reference stock figure for the ratio (0: none)
    double floor;  // copy floor for the ratio (0: none)
};
std::vector<Row> g_rows;

void AddRow(const std::string &group, const std::string &name, double us, double stock, double floor)
{
    g_rows.push_back({group, name, us, stock, floor});
}

void Repaint(HWND hwnd)
{
    InvalidateRect(hwnd, nullptr, FALSE);
    UpdateWindow(hwnd);
}

double FullPaint(HWND hwnd)
{
    return Measure([&](int) { Repaint(hwnd); });
}

// One BitBlt of the control's area from a memory DC: no paint can beat it.
double CopyFloor(HWND hwnd, int w, int h)
{
    HDC dc = GetDC(hwnd);
    HDC mem = CreateCompatibleDC(dc);
    HBITMAP bmp = CreateCompatibleBitmap(dc, w, h);
    HGDIOBJ old = SelectObject(mem, bmp);
    PatBlt(mem, 0, 0, w, h, WHITENESS);
    double us = Measure([&](int) {
        BitBlt(dc, 0, 0, w, h, mem, 0, 0, SRCCOPY);
        GdiFlush();
    });
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(hwnd, dc);
    return us;
}

void Click(HWND hwnd, int x, int y)
{
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    HWND up = GetCapture() ? GetCapture() : hwnd;
    SendMessageA(up, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    UpdateWindow(hwnd);
}

void RunKinds(HWND parent)
{
    // Stock references, same sizes as the button-like kinds.
    HWND stockBtn = Child(parent, "BUTTON", BS_PUSHBUTTON, "Play", 10, 10, 100, 40, 9001);
    HWND stockStatic = Child(parent, "STATIC", SS_CENTER | WS_BORDER, "Channel 1", 120, 10, 100, 40, 9002);
    HWND stockTrackV = Child(parent, TRACKBAR_CLASSA, TBS_VERT, "", 230, 10, 30, 150, 9003);
    HWND stockTrackH = Child(parent, TRACKBAR_CLASSA, TBS_HORZ, "", 270, 10, 150, 30, 9004);
    SendMessageA(stockTrackV, TBM_SETRANGE, TRUE, MAKELPARAM(1, 100));
    SendMessageA(stockTrackH, TBM_SETRANGE, TRUE, MAKELPARAM(1, 100));

    double floorBtn = CopyFloor(stockBtn, 100, 40);
    double floorV = CopyFloor(stockTrackV, 30, 150);
    double floorH = CopyFloor(stockTrackH, 150, 30);
    double sBtn = FullPaint(stockBtn), sStatic = FullPaint(stockStatic);
    double sTrackV = FullPaint(stockTrackV), sTrackH = FullPaint(stockTrackH);
    AddRow("paint", "stock BUTTON 100x40", sBtn, sBtn, floorBtn);
    AddRow("paint", "stock STATIC 100x40", sStatic, sBtn, floorBtn);
    AddRow("paint", "stock trackbar 30x150", sTrackV, sTrackV, floorV);
    AddRow("paint", "stock trackbar 150x30", sTrackH, sTrackH, floorH);
    AddRow("paint", "floor BitBlt 100x40", floorBtn, sBtn, floorBtn);

    const char *labels[2] = {"Play", "Stop"};
    double sText = Measure([&](int i) {
        SetWindowTextA(stockBtn, labels[i & 1]);
        UpdateWindow(stockBtn);
    });
    double sClick = Measure([&](int) {
        SendMessageA(stockBtn, BM_CLICK, 0, 0);
        UpdateWindow(stockBtn);
    });

    std::vector<HWND> made;
    int x = 430, y = 10;
    for (const Kind &k : kKinds) {
        HWND c = Child(parent, "VEK_CC_Button", k.style, k.text, x, y, k.w, k.h, 100 + (int)(&k - kKinds));
        made.push_back(c);
        bool fader = (k.style & 0x0C00) != 0;
        double stock = fader ? ((k.style & 0x0400) ? sTrackV : sTrackH) : sBtn;
        double fl = fader ? ((k.style & 0x0400) ? floorV : floorH) : floorBtn;
        char name[96];
        snprintf(name, sizeof name, "%s %dx%d", k.name, k.w, k.h);
        AddRow("paint", name, FullPaint(c), stock, fl);
        if (k.label2) {
            const char *two[2] = {k.text, k.label2};
            double us = Measure([&](int i) {
                SendMessageA(c, WM_SETTEXT, 0, (LPARAM)two[i & 1]);
                UpdateWindow(c);
            });
            AddRow("label", k.name, us, sText, 0);
        }
        if (k.button) {
            double us = Measure([&](int) { Click(c, k.w / 2, k.h / 2); });
            AddRow("press", k.name, us, sClick, 0);
        }
        if (fader) {
            bool vert = (k.style & 0x0400) != 0;
            SendMessageA(c, WM_LBUTTONDOWN, MK_LBUTTON, vert ? MAKELPARAM(15, 75) : MAKELPARAM(75, 15));
            double us = Measure([&](int i) {
                int p = (i & 1) ? 60 : 90;
                HWND to = GetCapture() ? GetCapture() : c;
                SendMessageA(to, WM_MOUSEMOVE, MK_LBUTTON, vert ? MAKELPARAM(15, p) : MAKELPARAM(p, 15));
                UpdateWindow(c);
            });
            SendMessageA(GetCapture() ? GetCapture() : c, WM_LBUTTONUP, 0, MAKELPARAM(15, 15));
            HWND track = vert ? stockTrackV : stockTrackH;
            RECT thumb;
            SendMessageA(track, TBM_GETTHUMBRECT, 0, (LPARAM)&thumb);
            int tx = (thumb.left + thumb.right) / 2, ty = (thumb.top + thumb.bottom) / 2;
            SendMessageA(track, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(tx, ty));
            double ts = Measure([&](int i) {
                int d = (i & 1) ? 20 : 0;
                SendMessageA(track, WM_MOUSEMOVE, MK_LBUTTON, vert ? MAKELPARAM(tx, ty + d) : MAKELPARAM(tx + d, ty));
                UpdateWindow(track);
            });
            SendMessageA(track, WM_LBUTTONUP, 0, MAKELPARAM(tx, ty));
            AddRow("drag", std::string("stock trackbar ") + (vert ? "vertical" : "horizontal"), ts, ts, 0);
            AddRow("drag", k.name, us, ts, 0);
        }
        y += k.h + 6;
        if (y > 400) {
            y = 10;
            x += 160;
        }
    }
    AddRow("label", "stock BUTTON SetWindowTextA", sText, sText, 0);
    AddRow("press", "stock BUTTON BM_CLICK", sClick, sClick, 0);
    for (HWND c : made) DestroyWindow(c);
    DestroyWindow(stockBtn);
    DestroyWindow(stockStatic);
    DestroyWindow(stockTrackV);
    DestroyWindow(stockTrackH);
}

// A whole panel of mixed controls repainted at once.
void RunPanel()
{
    HWND panel = MakeParent(1280, 960);
    int n = g_opt.panelControls, cols = 20;
    int cw = 1280 / cols, ch = 960 / ((n + cols - 1) / cols);
    for (int i = 0; i < n; i++) {
        const Kind &k = kKinds[i % (sizeof kKinds / sizeof kKinds[0])];
        int w = cw - 4, h = ch - 4;
        CreateWindowExA(0, "VEK_CC_Button", k.text, WS_CHILD | WS_VISIBLE | k.style, (i % cols) * cw + 2,
                        (i / cols) * ch + 2, w, h, panel, (HMENU)(INT_PTR)(1000 + i), GetModuleHandleA(nullptr),
                        nullptr);
    }
    Pump();
    int saved = g_opt.perBatch;
    g_opt.perBatch = g_opt.smoke ? 1 : 3;
    double us = Measure([&](int) {
        RedrawWindow(panel, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASE);
    });
    g_opt.perBatch = saved;
    char name[64];
    snprintf(name, sizeof name, "panel of %d controls (ms)", n);
    AddRow("panel", name, us / 1000.0, 0, 0);
    DestroyWindow(panel);
}

void Report()
{
    printf("%-8s %-34s %12s %9s %9s\n", "group", "row", "median", "x stock", "x floor");
    for (const Row &r : g_rows) {
        char stock[16] = "", fl[16] = "";
        if (r.stock > 0) snprintf(stock, sizeof stock, "%.2f", r.us / r.stock);
        if (r.floor > 0) snprintf(fl, sizeof fl, "%.1f", r.us / r.floor);
        printf("%-8s %-34s %9.2f %s %9s %9s\n", r.group.c_str(), r.name.c_str(), r.us,
               r.group == "panel" ? "ms" : "us", stock, fl);
    }
    if (g_opt.csv) {
        FILE *f = fopen(g_opt.csv, "w");
        if (f) {
            fprintf(f, "group,row,median,unit,ratio_stock,ratio_floor\n");
            for (const Row &r : g_rows)
                fprintf(f, "%s,%s,%.3f,%s,%.3f,%.3f\n", r.group.c_str(), r.name.c_str(), r.us,
                        r.group == "panel" ? "ms" : "us", r.stock > 0 ? r.us / r.stock : 0.0,
                        r.floor > 0 ? r.us / r.floor : 0.0);
            fclose(f);
        }
    }
    fflush(stdout);
}

}  // namespace

int main(int argc, char **argv)
{
    for (int i = 1; i < argc; i++) {
        if (!strcmp(argv[i], "--smoke")) {
            g_opt.smoke = true;
            g_opt.batches = 3;
            g_opt.perBatch = 2;
            g_opt.maxSeconds = 0.2;
            g_opt.panelControls = 60;
        } else if (!strcmp(argv[i], "--csv") && i + 1 < argc) {
            g_opt.csv = argv[++i];
        }
    }
    QueryPerformanceFrequency(&g_freq);
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    if (!LoadLibraryA("KERV_CC.DLL")) {
        fprintf(stderr, "cc_bench: KERV_CC.DLL not found\n");
        return 1;
    }
    HWND parent = MakeParent(800, 480);
    RunKinds(parent);
    DestroyWindow(parent);
    RunPanel();
    Report();
    // The smoke run checks that every row is there.
    size_t expected = 17 + 10 + 9 + 4 + 1;  // paint, label, press, drag, panel
    if (g_rows.size() != expected) {
        fprintf(stderr, "cc_bench: %u rows, expected %u\n", (unsigned)g_rows.size(), (unsigned)expected);
        return 2;
    }
    return 0;
}
