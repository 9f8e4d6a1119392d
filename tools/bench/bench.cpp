// Benchmark: every kind of KERV_CC beside the stock controls and the copy floor.
// Each row is timed with QueryPerformanceCounter in batches; the median batch
// (per operation) is reported. Every measurement is bounded in repetitions and time.
#include <windows.h>
#include <commctrl.h>
#include <algorithm>
#include <stdio.h>
#include <string.h>
#include <string>
#include <functional>
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

typedef std::function<void(int)> Op;

// Medians (microseconds per operation) of up to three operations measured in
// interleaved batches, so that a busy machine slows all of them alike. Each
// operation is called with -1 before each of its batches (untimed set-up).
struct Timing {
    double us[3] = {0, 0, 0};
};

Timing Measure(const Op &a, const Op *b = nullptr, const Op *c = nullptr)
{
    const Op *ops[3] = {&a, b, c};
    std::vector<double> perOp[3];
    int rep[3] = {0, 0, 0};
    for (int k = 0; k < 3; k++)
        if (ops[k]) (*ops[k])(rep[k]++);  // warm-up
    double start = Now();
    for (int batch = 0; batch < g_opt.batches; batch++) {
        for (int k = 0; k < 3; k++) {
            if (!ops[k]) continue;
            (*ops[k])(-1);  // untimed: an operation that needs a set-up does it now
            double t0 = Now();
            for (int i = 0; i < g_opt.perBatch; i++) (*ops[k])(rep[k]++);
            perOp[k].push_back((Now() - t0) * 1e6 / g_opt.perBatch);
        }
        if (Now() - start > g_opt.maxSeconds && batch >= 2) break;
    }
    Timing t;
    for (int k = 0; k < 3; k++) {
        if (perOp[k].empty()) continue;
        std::sort(perOp[k].begin(), perOp[k].end());
        t.us[k] = perOp[k][perOp[k].size() / 2];
    }
    return t;
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
    double stock;  // the stock reference measured beside it (0: none)
    double floor;  // the copy floor measured beside it (0: none)
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

// A window whose paint does nothing but BeginPaint / EndPaint: what any paint
// costs the window system before the first pixel is drawn.
LRESULT CALLBACK EmptyProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void RegisterEmpty()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = EmptyProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "CCBenchEmpty";
    RegisterClassA(&wc);
}

// One BitBlt of a w x h area from a memory DC to the window: no paint can beat it.
struct CopyFloor {
    HWND hwnd;
    HDC dc, mem;
    HBITMAP bmp;
    HGDIOBJ old;
    int w, h;
    CopyFloor(HWND target, int cw, int ch) : hwnd(target), w(cw), h(ch)
    {
        dc = GetDC(hwnd);
        mem = CreateCompatibleDC(dc);
        bmp = CreateCompatibleBitmap(dc, w, h);
        old = SelectObject(mem, bmp);
        PatBlt(mem, 0, 0, w, h, WHITENESS);
    }
    ~CopyFloor()
    {
        SelectObject(mem, old);
        DeleteObject(bmp);
        DeleteDC(mem);
        ReleaseDC(hwnd, dc);
    }
    Op op()
    {
        return [this](int) {
            BitBlt(dc, 0, 0, w, h, mem, 0, 0, SRCCOPY);
            GdiFlush();
        };
    }
};

void Click(HWND hwnd, int x, int y)
{
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    HWND up = GetCapture() ? GetCapture() : hwnd;
    SendMessageA(up, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    UpdateWindow(hwnd);
}

// Stock controls of the sizes the kinds use.
struct Stock {
    HWND btn, stat, empty, trackV, trackH;
};

Stock MakeStock(HWND parent)
{
    Stock s;
    s.btn = Child(parent, "BUTTON", BS_PUSHBUTTON, "Play", 10, 10, 100, 40, 9001);
    s.stat = Child(parent, "STATIC", SS_CENTER | WS_BORDER, "Channel 1", 120, 10, 100, 40, 9002);
    s.empty = Child(parent, "CCBenchEmpty", 0, "", 10, 60, 100, 40, 9005);
    s.trackV = Child(parent, TRACKBAR_CLASSA, TBS_VERT, "", 230, 10, 30, 150, 9003);
    s.trackH = Child(parent, TRACKBAR_CLASSA, TBS_HORZ, "", 270, 10, 150, 30, 9004);
    SendMessageA(s.trackV, TBM_SETRANGE, TRUE, MAKELPARAM(1, 100));
    SendMessageA(s.trackH, TBM_SETRANGE, TRUE, MAKELPARAM(1, 100));
    return s;
}

// One drag step on a stock trackbar: the thumb pressed, then moves back and forth.
Op TrackbarStep(HWND track, bool vert, int *tx, int *ty)
{
    RECT thumb;
    SendMessageA(track, TBM_GETTHUMBRECT, 0, (LPARAM)&thumb);
    *tx = (thumb.left + thumb.right) / 2;
    *ty = (thumb.top + thumb.bottom) / 2;
    int x = *tx, y = *ty;
    return [track, vert, x, y](int i) {
        int d = (i & 1) ? 20 : 0;
        SendMessageA(track, WM_MOUSEMOVE, MK_LBUTTON, vert ? MAKELPARAM(x, y + d) : MAKELPARAM(x + d, y));
        UpdateWindow(track);
    };
}

void RunStock(const Stock &s)
{
    CopyFloor fb(s.btn, 100, 40), fv(s.trackV, 30, 150), fh(s.trackH, 150, 30);
    Op pb = [&](int) { Repaint(s.btn); }, ps = [&](int) { Repaint(s.stat); };
    Op pe = [&](int) { Repaint(s.empty); };
    Op fbo = fb.op(), fvo = fv.op(), fho = fh.op();
    Timing t = Measure(pb, &ps, &fbo);
    AddRow("paint", "stock BUTTON 100x40", t.us[0], t.us[0], t.us[2]);
    AddRow("paint", "stock STATIC 100x40", t.us[1], t.us[0], t.us[2]);
    AddRow("paint", "floor BitBlt 100x40", t.us[2], t.us[0], t.us[2]);
    t = Measure(pe, &pb, &fbo);
    AddRow("paint", "empty window paint 100x40", t.us[0], t.us[1], t.us[2]);
    Op pv = [&](int) { Repaint(s.trackV); }, ph = [&](int) { Repaint(s.trackH); };
    t = Measure(pv, &fvo);
    AddRow("paint", "stock trackbar 30x150", t.us[0], t.us[0], t.us[1]);
    t = Measure(ph, &fho);
    AddRow("paint", "stock trackbar 150x30", t.us[0], t.us[0], t.us[1]);
}

void RunKinds(HWND parent)
{
    Stock s = MakeStock(parent);
    RunStock(s);
    const char *labels[2] = {"Play", "Stop"};
    Op stockText = [&](int i) {
        SetWindowTextA(s.btn, labels[i & 1]);
        UpdateWindow(s.btn);
    };
    Op stockClick = [&](int) {
        SendMessageA(s.btn, BM_CLICK, 0, 0);
        UpdateWindow(s.btn);
    };
    Timing t = Measure(stockText);
    AddRow("label", "stock BUTTON SetWindowTextA", t.us[0], t.us[0], 0);
    t = Measure(stockClick);
    AddRow("press", "stock BUTTON BM_CLICK", t.us[0], t.us[0], 0);

    std::vector<HWND> made;
    int x = 430, y = 10;
    for (const Kind &k : kKinds) {
        HWND c = Child(parent, "VEK_CC_Button", k.style, k.text, x, y, k.w, k.h, 100 + (int)(&k - kKinds));
        made.push_back(c);
        bool fader = (k.style & 0x0C00) != 0, vert = (k.style & 0x0400) != 0;
        HWND stock = fader ? (vert ? s.trackV : s.trackH) : s.btn;
        CopyFloor fl(c, k.w, k.h);
        Op paint = [&](int) { Repaint(c); }, stockPaint = [&](int) { Repaint(stock); }, flo = fl.op();
        char name[96];
        snprintf(name, sizeof name, "%s %dx%d", k.name, k.w, k.h);
        t = Measure(paint, &stockPaint, &flo);
        AddRow("paint", name, t.us[0], t.us[1], t.us[2]);
        if (k.label2) {
            const char *two[2] = {k.text, k.label2};
            Op label = [&](int i) {
                SendMessageA(c, WM_SETTEXT, 0, (LPARAM)two[i & 1]);
                UpdateWindow(c);
            };
            t = Measure(label, &stockText);
            AddRow("label", k.name, t.us[0], t.us[1], 0);
        }
        if (k.button) {
            Op click = [&](int) { Click(c, k.w / 2, k.h / 2); };
            t = Measure(click, &stockClick);
            AddRow("press", k.name, t.us[0], t.us[1], 0);
        }
        if (fader) {
            // Each batch starts with its own press (untimed); the moves then alternate.
            int tx, ty;
            Op trackMove = TrackbarStep(stock, vert, &tx, &ty);
            Op trackStep = [&](int i) {
                if (i < 0) SendMessageA(stock, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(tx, ty));
                else trackMove(i);
            };
            Op faderStep = [&](int i) {
                int p = (i & 1) ? 60 : 90;
                UINT msg = i < 0 ? WM_LBUTTONDOWN : WM_MOUSEMOVE;
                SendMessageA(c, msg, MK_LBUTTON, vert ? MAKELPARAM(15, p) : MAKELPARAM(p, 15));
                UpdateWindow(c);
            };
            t = Measure(faderStep, &trackStep);
            SendMessageA(c, WM_LBUTTONUP, 0, MAKELPARAM(15, 15));
            SendMessageA(stock, WM_LBUTTONUP, 0, MAKELPARAM(tx, ty));
            AddRow("drag", std::string("stock trackbar ") + (vert ? "vertical" : "horizontal"), t.us[1], t.us[1], 0);
            AddRow("drag", k.name, t.us[0], t.us[1], 0);
        }
        y += k.h + 6;
        if (y > 400) {
            y = 10;
            x += 160;
        }
    }
    for (HWND c : made) DestroyWindow(c);
    DestroyWindow(s.btn);
    DestroyWindow(s.stat);
    DestroyWindow(s.empty);
    DestroyWindow(s.trackV);
    DestroyWindow(s.trackH);
}

// A whole panel of controls repainted at once (parent and all children).
HWND MakePanel(int n, bool empty)
{
    HWND panel = MakeParent(1280, 960);
    int cols = 20;
    int cw = 1280 / cols, ch = 960 / ((n + cols - 1) / cols);
    for (int i = 0; i < n; i++) {
        const Kind &k = kKinds[i % (sizeof kKinds / sizeof kKinds[0])];
        CreateWindowExA(0, empty ? "CCBenchEmpty" : "VEK_CC_Button", k.text, WS_CHILD | WS_VISIBLE | k.style,
                        (i % cols) * cw + 2, (i / cols) * ch + 2, cw - 4, ch - 4, panel, (HMENU)(INT_PTR)(1000 + i),
                        GetModuleHandleA(nullptr), nullptr);
    }
    Pump();
    return panel;
}

void RunPanel()
{
    int n = g_opt.panelControls;
    HWND panel = MakePanel(n, false), floorPanel = MakePanel(n, true);
    Op redraw = [&](int) { RedrawWindow(panel, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW); };
    Op redrawEmpty = [&](int) {
        RedrawWindow(floorPanel, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    };
    int saved = g_opt.perBatch;
    g_opt.perBatch = g_opt.smoke ? 1 : 3;
    Timing t = Measure(redraw, &redrawEmpty);
    g_opt.perBatch = saved;
    char name[64];
    snprintf(name, sizeof name, "panel of %d controls (ms)", n);
    AddRow("panel", name, t.us[0] / 1000.0, 0, t.us[1] / 1000.0);
    snprintf(name, sizeof name, "panel of %d empty windows (ms)", n);
    AddRow("panel", name, t.us[1] / 1000.0, 0, t.us[1] / 1000.0);
    DestroyWindow(panel);
    DestroyWindow(floorPanel);
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
    RegisterEmpty();
    HWND parent = MakeParent(800, 480);
    RunKinds(parent);
    DestroyWindow(parent);
    RunPanel();
    Report();
    // The smoke run checks that every row is there.
    size_t expected = 18 + 10 + 9 + 4 + 2;  // paint, label, press, drag, panel
    if (g_rows.size() != expected) {
        fprintf(stderr, "cc_bench: %u rows, expected %u\n", (unsigned)g_rows.size(), (unsigned)expected);
        return 2;
    }
    return 0;
}
