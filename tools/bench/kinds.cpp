// Every kind beside the stock control a panel author would otherwise use and the
// copy floor: full paint, label change, press-and-release cycle, fader drag step,
// and a whole panel repainted at once.
#include "bench.h"
#include "ccguards.h"
#include <commctrl.h>
#include <stdio.h>
#include <string.h>

namespace {

const char kStd[] = "VEK_CC_Button", kSpecial[] = "VEK_CC09_Button";

// A kind of either library with what the benchmark needs to drive it.
struct Kind {
    const char *cls;
    const char *name;
    DWORD style;
    int w, h;
    const char *text;
    bool button;         // press-and-release cycle measured
    const char *label2;  // second label for the label-change row (null: none)
};

const Kind kKinds[] = {
    {kStd, "Button", 0x0001, 100, 40, "Play|Out", true, "Stop|Out"},
    {kStd, "LED Button", 0x0002, 100, 40, "On Air", true, "Off Air"},
    {kStd, "Dest Button", 0x0004, 100, 40, "Studio 1", true, "Studio 2"},
    {kStd, "Static Text", 0x0008, 100, 40, "Channel 1", false, "Channel 2"},
    {kStd, "Browse Button", 0x0010, 100, 40, "Cam 1", true, "Cam 2"},
    {kStd, "Ident Text", 0x0020, 100, 40, "STUDIO|ONE", false, "STUDIO|TWO"},
    {kStd, "Bitmap Button", 0x0040, 100, 40, "BENCHPIC", true, nullptr},
    {kStd, "Touch Button", 0x0080, 100, 40, "Take", true, "Cut"},
    {kStd, "Flat Button", 0x0100, 100, 40, "Mix", true, "Wipe"},
    {kStd, "Multi Button", 0x0200, 100, 40, "VTR 1", true, "VTR 2"},
    {kStd, "Vertical Fader", 0x0400, 30, 150, "", false, nullptr},
    {kStd, "Horizontal Fader", 0x0800, 150, 30, "", false, nullptr},
    {kSpecial, "LED Display", 0x0003, 100, 40, "00:00$20$3", true, "00:01$20$3"},
    {kSpecial, "Font Button", 0x0001, 100, 40, "Take$Arial,10$3", true, "Cut$Arial,10$3"},
    {kSpecial, "Font Button 95", 0x0005, 100, 40, "Take$Arial,10$3", true, "Cut$Arial,10$3"},
    {kSpecial, "Chunky Font Btn", 0x0007, 100, 40, "Take$Arial,10$3", true, "Cut$Arial,10$3"},
    {kSpecial, "Combo BMP", 0x0002, 100, 40, "Cam$BENCHPIC$3", true, "Cam 2$BENCHPIC$3"},
    {kSpecial, "Repeat Button", 0x0008, 100, 40, "Up$100$1", true, "Down$100$1"},
    {kSpecial, "Dual LED Button", 0x0004, 100, 40, "Mic$ $3", true, "Talk$ $3"},
    {kSpecial, "Font Display", 0x0006, 100, 40, "Studio 2$Arial,12$3", true, "Studio 3$Arial,12$3"},
};
const int kKindCount = sizeof kKinds / sizeof kKinds[0];

bool IsFader(const Kind &k) { return (k.style & 0x0C00) != 0; }
bool IsVertical(const Kind &k) { return (k.style & 0x0400) != 0; }

std::string PaintName(const Kind &k)
{
    char name[96];
    snprintf(name, sizeof name, "%s %dx%d", k.name, k.w, k.h);
    return name;
}

std::string DragRefName(const Kind &k)
{
    return std::string("stock trackbar ") + (IsVertical(k) ? "vertical" : "horizontal");
}

// One BitBlt of a w x h area from a memory DC to the window: no paint can beat it.
struct CopyFloor {
    CCWindowDC win;
    CCMemImage mem;
    int w, h;
    CopyFloor(HWND target, int cw, int ch) : win(target), mem(win.dc, cw, ch), w(cw), h(ch)
    {
        PatBlt(mem.dc, 0, 0, w, h, WHITENESS);
    }
    Op op()
    {
        return [this](int) {
            BitBlt(win.dc, 0, 0, w, h, mem.dc, 0, 0, SRCCOPY);
            GdiFlush();
        };
    }
};

// Press and release in place: the button holds the capture, so the release goes
// to it (asking for the capture would add a request BM_CLICK does not make).
void Click(HWND hwnd, int x, int y)
{
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    UpdateWindow(hwnd);
}

// Stock controls of the sizes the kinds use.
struct Stock {
    HWND btn, stat, empty, trackV, trackH;
    HWND emptyV, emptyH;  // empty windows of the faders' sizes
};

Stock MakeStock(HWND parent)
{
    Stock s;
    s.btn = Child(parent, "BUTTON", BS_PUSHBUTTON, "Play", 10, 10, 100, 40, 9001);
    s.stat = Child(parent, "STATIC", SS_CENTER | WS_BORDER, "Channel 1", 120, 10, 100, 40, 9002);
    s.empty = Child(parent, kEmptyClass, 0, "", 10, 60, 100, 40, 9005);
    s.trackV = Child(parent, TRACKBAR_CLASSA, TBS_VERT, "", 230, 10, 30, 150, 9003);
    s.trackH = Child(parent, TRACKBAR_CLASSA, TBS_HORZ, "", 270, 10, 150, 30, 9004);
    s.emptyV = Child(parent, kEmptyClass, 0, "", 230, 170, 30, 150, 9006);
    s.emptyH = Child(parent, kEmptyClass, 0, "", 270, 50, 150, 30, 9007);
    SendMessageA(s.trackV, TBM_SETRANGE, TRUE, MAKELPARAM(1, 100));
    SendMessageA(s.trackH, TBM_SETRANGE, TRUE, MAKELPARAM(1, 100));
    return s;
}

void DestroyStock(const Stock &s)
{
    DestroyWindow(s.btn);
    DestroyWindow(s.stat);
    DestroyWindow(s.empty);
    DestroyWindow(s.trackV);
    DestroyWindow(s.trackH);
    DestroyWindow(s.emptyV);
    DestroyWindow(s.emptyH);
}

// Operations of one measurement: the subject first, then its baseline twin (when
// a baseline library is loaded) and the references; indexes of each.
struct OpSet {
    std::vector<const Op *> ops;
    int Add(const Op *op)
    {
        if (!op) return -1;
        ops.push_back(op);
        return (int)ops.size() - 1;
    }
};

double At(const Timing &t, int k) { return k >= 0 && k < (int)t.us.size() ? t.us[k] : 0; }

void RunStock(const Stock &s)
{
    CopyFloor fb(s.btn, 100, 40), fv(s.trackV, 30, 150), fh(s.trackH, 150, 30);
    Op pb = [&](int) { Repaint(s.btn); }, ps = [&](int) { Repaint(s.stat); };
    Op pe = [&](int) { Repaint(s.empty); };
    Op fbo = fb.op(), fvo = fv.op(), fho = fh.op();
    bool ok = s.btn && s.stat && s.empty;
    Timing t = Measure({&pb, &ps, &pe, &fbo});
    AddRow("paint", "stock BUTTON 100x40", t.us[0], {t.us[0], t.us[3], 0, t.us[2]}, t.spread[0], ok);
    AddRow("paint", "stock STATIC 100x40", t.us[1], {t.us[0], t.us[3], 0, t.us[2]}, t.spread[1], ok);
    AddRow("paint", "empty window paint 100x40", t.us[2], {t.us[0], t.us[3], 0, t.us[2]}, t.spread[2], ok);
    AddRow("paint", "floor BitBlt 100x40", t.us[3], {t.us[0], t.us[3]}, t.spread[3], ok);
    Op pv = [&](int) { Repaint(s.trackV); }, ph = [&](int) { Repaint(s.trackH); };
    Op pev = [&](int) { Repaint(s.emptyV); }, peh = [&](int) { Repaint(s.emptyH); };
    t = Measure({&pv, &fvo, &pev});
    AddRow("paint", "stock trackbar 30x150", t.us[0], {t.us[0], t.us[1], 0, t.us[2]}, t.spread[0], s.trackV != nullptr);
    t = Measure({&ph, &fho, &peh});
    AddRow("paint", "stock trackbar 150x30", t.us[0], {t.us[0], t.us[1], 0, t.us[2]}, t.spread[0], s.trackH != nullptr);
}

// Drag steps on a stock trackbar: each batch puts the thumb back in the middle
// and presses it (untimed); the moves then go back and forth by 20 pixels, so
// every step moves the thumb. Counts the steps and the scroll reports.
struct TrackDrag {
    HWND track;
    bool vert;
    int x = 0, y = 0, away = 0, steps = 0, scrolls = 0;
    TrackDrag(HWND t, bool v) : track(t), vert(v) {}
    Op op()
    {
        return [this](int i) {
            if (i < 0) {
                SendMessageA(track, WM_LBUTTONUP, 0, 0);
                SendMessageA(track, TBM_SETPOS, TRUE, 50);
                RECT thumb = {0, 0, 0, 0};
                SendMessageA(track, TBM_GETTHUMBRECT, 0, (LPARAM)&thumb);
                x = (thumb.left + thumb.right) / 2;
                y = (thumb.top + thumb.bottom) / 2;
                SendMessageA(track, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
                UpdateWindow(track);
                away = 0;
                return;
            }
            away ^= 1;
            int d = away ? 20 : 0, before = g_reports.scrolls;
            SendMessageA(track, WM_MOUSEMOVE, MK_LBUTTON, vert ? MAKELPARAM(x, y + d) : MAKELPARAM(x + d, y));
            UpdateWindow(track);
            steps++;
            scrolls += g_reports.scrolls > before;
        };
    }
};

// Fader drag steps: each batch starts with its own press (untimed) at 60; the
// moves then go to 90 and back, so every step moves the knob. Counts the steps
// that notified.
struct FaderDrag {
    HWND fader;
    bool vert;
    int away = 0, steps = 0, notified = 0;
    FaderDrag(HWND f, bool v) : fader(f), vert(v) {}
    Op op()
    {
        return [this](int i) {
            away = i < 0 ? 0 : away ^ 1;
            int p = away ? 90 : 60, before = g_reports.commands;
            UINT msg = i < 0 ? WM_LBUTTONDOWN : WM_MOUSEMOVE;
            SendMessageA(fader, msg, MK_LBUTTON, vert ? MAKELPARAM(15, p) : MAKELPARAM(p, 15));
            UpdateWindow(fader);
            if (i < 0) return;
            steps++;
            notified += g_reports.commands > before;
        };
    }
};

Op LabelChange(HWND c, const Kind &k, int *last)
{
    return [c, &k, last](int i) {
        if (i < 0) return;
        *last = i & 1;
        SendMessageA(c, WM_SETTEXT, 0, (LPARAM)(*last ? k.label2 : k.text));
        UpdateWindow(c);
    };
}

// Rows of one kind; cb is the same kind under the baseline library (or null).
void RunKind(const Kind &k, HWND c, HWND cb, const Stock &s, const Op &stockText, const Op &stockClick)
{
    bool fader = IsFader(k), vert = IsVertical(k);
    HWND stock = fader ? (vert ? s.trackV : s.trackH) : s.btn;
    HWND empty = fader ? (vert ? s.emptyV : s.emptyH) : s.empty;
    CopyFloor fl(c, k.w, k.h);
    Op paint = [&](int) { Repaint(c); }, paintB = [&](int) { Repaint(cb); };
    Op stockPaint = [&](int) { Repaint(stock); }, flo = fl.op(), emptyPaint = [&](int) { Repaint(empty); };
    OpSet set;
    set.Add(&paint);
    int ib = set.Add(cb ? &paintB : nullptr), is = set.Add(&stockPaint), ifl = set.Add(&flo);
    int ie = set.Add(&emptyPaint);
    Timing t = Measure(set.ops);
    AddRow("paint", PaintName(k), t.us[0], {At(t, is), At(t, ifl), At(t, ib), At(t, ie)}, t.spread[0], c != nullptr);
    if (k.label2) {
        int last = 0, lastB = 0;
        Op label = LabelChange(c, k, &last), labelB = LabelChange(cb, k, &lastB);
        OpSet ls;
        ls.Add(&label);
        ib = ls.Add(cb ? &labelB : nullptr);
        is = ls.Add(&stockText);
        t = Measure(ls.ops);
        char now[64] = "";
        GetWindowTextA(c, now, sizeof now);
        const char *want = last ? k.label2 : k.text;
        size_t shown = strcspn(want, "$");  // a special kind shows its first field
        bool changed = strlen(now) == shown && strncmp(now, want, shown) == 0;
        AddRow("label", k.name, t.us[0], {At(t, is), 0, At(t, ib)}, t.spread[0], c && changed);
    }
    if (k.button) {
        Op click = [&](int) { Click(c, k.w / 2, k.h / 2); }, clickB = [&](int) { Click(cb, k.w / 2, k.h / 2); };
        OpSet ps;
        ps.Add(&click);
        ib = ps.Add(cb ? &clickB : nullptr);
        is = ps.Add(&stockClick);
        g_reports.watch = c;  // the stock button reports too: count the kind's own
        g_reports.watched = 0;
        t = Measure(ps.ops);
        g_reports.watch = nullptr;
        AddRow("press", k.name, t.us[0], {At(t, is), 0, At(t, ib)}, t.spread[0], c && g_reports.watched > 0);
    }
    if (fader) {
        FaderDrag drag(c, vert), dragB(cb, vert);
        TrackDrag track(stock, vert);
        Op step = drag.op(), stepB = dragB.op(), trackStep = track.op();
        OpSet ds;
        ds.Add(&step);
        ib = ds.Add(cb ? &stepB : nullptr);
        is = ds.Add(&trackStep);
        t = Measure(ds.ops);
        SendMessageA(c, WM_LBUTTONUP, 0, MAKELPARAM(15, 15));
        if (cb) SendMessageA(cb, WM_LBUTTONUP, 0, MAKELPARAM(15, 15));
        SendMessageA(stock, WM_LBUTTONUP, 0, 0);
        // Every step must have moved the knob or thumb (and reported it).
        AddRow("drag", DragRefName(k), At(t, is), {At(t, is)}, t.spread[is], track.scrolls == track.steps);
        AddRow("drag", k.name, t.us[0], {At(t, is), 0, At(t, ib)}, t.spread[0], c && drag.notified == drag.steps);
    }
}

// A whole panel of one class per control (or each kind's own class).
enum PanelMade { PANEL_KINDS, PANEL_BEFORE, PANEL_STOCK, PANEL_EMPTY };

// What a panel holds beyond its parent: bytes on the process's heaps and GDI
// objects, per control, measured around its creation and first paint.
struct PanelCost {
    double bytes = 0, objects = 0;
};

// Up to 500 controls fill 20 columns of a 1280 x 960 parent; a larger panel has
// 40 columns of the 500-control panel's cells (64 x 38) and grows downwards.
HWND MakePanel(int n, PanelMade made, PanelCost *cost)
{
    int cols = n > 500 ? 40 : 20, rows = (n + cols - 1) / cols;
    int cw = 64, ch = 960 / (rows > 0 ? rows : 1);
    if (ch < 38) ch = 38;
    size_t heap = CCP_HeapBytes();
    DWORD gdi = CCP_GdiObjects();
    HWND panel = MakeParent(cols * cw, rows * ch > 960 ? rows * ch : 960);
    for (int i = 0; i < n; i++) {
        const Kind &k = kKinds[i % kKindCount];
        const char *cls = k.cls, *text = k.text;
        DWORD style = k.style;
        if (made == PANEL_EMPTY) {
            cls = kEmptyClass;
        } else if (made == PANEL_BEFORE) {
            const char *twin = k.cls == kStd ? g_beforeClass : g_before09Class;
            if (twin) cls = twin;
        } else if (made == PANEL_STOCK) {
            // What an author would use instead: a trackbar for a fader, a static
            // for a text kind, a push button for the rest.
            if (IsFader(k)) {
                cls = TRACKBAR_CLASSA;
                style = IsVertical(k) ? TBS_VERT : TBS_HORZ;
            } else if (!k.button) {
                cls = "STATIC";
                style = SS_CENTER | WS_BORDER;
            } else {
                cls = "BUTTON";
                style = BS_PUSHBUTTON;
            }
        }
        CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, (i % cols) * cw + 2, (i / cols) * ch + 2,
                        cw - 4, ch - 4, panel, (HMENU)(INT_PTR)(1000 + i), InstanceFor(cls), nullptr);
    }
    Pump();
    if (cost && n > 0) {
        cost->bytes = ((double)CCP_HeapBytes() - (double)heap) / n;
        cost->objects = ((double)CCP_GdiObjects() - (double)gdi) / n;
    }
    return panel;
}

std::string PanelName(int n, const char *what)
{
    char name[80];
    snprintf(name, sizeof name, "panel of %d %s", n, what);
    return name;
}

}  // namespace

void RunKinds(HWND parent)
{
    Stock s = MakeStock(parent);
    RunStock(s);
    const char *labels[2] = {"Play", "Stop"};
    Op stockText = [&](int i) {
        if (i < 0) return;
        SetWindowTextA(s.btn, labels[i & 1]);
        UpdateWindow(s.btn);
    };
    Op stockClick = [&](int) {
        SendMessageA(s.btn, BM_CLICK, 0, 0);
        UpdateWindow(s.btn);
    };
    Timing t = Measure({&stockText});
    AddRow("label", "stock BUTTON SetWindowTextA", t.us[0], {t.us[0]}, t.spread[0], s.btn != nullptr);
    int before = g_reports.commands;
    t = Measure({&stockClick});
    AddRow("press", "stock BUTTON BM_CLICK", t.us[0], {t.us[0]}, t.spread[0], g_reports.commands > before);

    // Kinds in two columns, each with its baseline twin to the right.
    std::vector<HWND> made;
    int x = 430, y = 10;
    for (int i = 0; i < kKindCount; i++) {
        const Kind &k = kKinds[i];
        if (!Selected(k.name)) continue;
        HWND c = Child(parent, k.cls, k.style, k.text, x, y, k.w, k.h, 100 + i);
        HWND cb = nullptr;  // the baseline twin, to the right (when its library has one)
        const char *twin = k.cls == kStd ? g_beforeClass : g_before09Class;
        if (twin) cb = Child(parent, twin, k.style, k.text, x + 160, y, k.w, k.h, 200 + i);
        made.push_back(c);
        made.push_back(cb);
        RunKind(k, c, cb, s, stockText, stockClick);
        y += k.h + 6;
        if (y > 400) {
            y = 10;
            x += 330;
        }
    }
    for (HWND c : made)
        if (c) DestroyWindow(c);
    DestroyStock(s);
}

// Repaint of a panel of n controls beside the same panel of stock controls and
// of empty windows; with costs, also the memory and GDI objects each holds.
void RunPanel(int n, bool costs)
{
    PanelCost ck, cs, ce, cb;
    HWND panel = MakePanel(n, PANEL_KINDS, &ck), stock = MakePanel(n, PANEL_STOCK, &cs);
    HWND empty = MakePanel(n, PANEL_EMPTY, &ce);
    HWND before = g_beforeClass ? MakePanel(n, PANEL_BEFORE, &cb) : nullptr;
    auto redraw = [](HWND p) { RedrawWindow(p, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW); };
    Op a = [&](int) { redraw(panel); }, b = [&](int) { redraw(stock); }, c = [&](int) { redraw(empty); };
    Op d = [&](int) { redraw(before); };
    OpSet set;
    set.Add(&a);
    int ib = set.Add(before ? &d : nullptr), is = set.Add(&b), ie = set.Add(&c);
    Timing t = Measure(set.ops, g_opt.panelSeconds);
    bool ok = panel && stock && empty;
    double ms = g_opt.countCalls ? 1 : 1000;  // a counting run carries mark numbers
    for (double &v : t.us) v /= ms;
    RowRefs refs = {At(t, is), 0, At(t, ib), At(t, ie)};
    AddRow("panel", PanelName(n, "controls"), t.us[0], refs, t.spread[0], ok, "ms");
    AddRow("panel", PanelName(n, "stock controls"), At(t, is), {At(t, is), 0, 0, At(t, ie)}, t.spread[is], ok, "ms");
    AddRow("panel", PanelName(n, "empty windows"), At(t, ie), {At(t, is), 0, 0, At(t, ie)}, t.spread[ie], ok, "ms");
    if (costs && !g_opt.countCalls) {
        // x stock: against the stock controls; x empty: against empty windows.
        AddRow("panel", PanelName(n, "controls: heap bytes per control"), ck.bytes,
               {cs.bytes, 0, cb.bytes, ce.bytes}, 0, ok, "B");
        AddRow("panel", PanelName(n, "stock controls: heap bytes per control"), cs.bytes, {cs.bytes, 0, 0, ce.bytes},
               0, ok, "B");
        AddRow("panel", PanelName(n, "controls: GDI objects per control"), ck.objects, {}, 0, ok, "obj");
        AddRow("panel", PanelName(n, "stock controls: GDI objects per control"), cs.objects, {}, 0, ok, "obj");
    }
    for (HWND p : {panel, stock, empty, before})
        if (p) DestroyWindow(p);
}

namespace {

// The rows of one kind, in the order they are made.
void AppendKindRows(std::vector<std::string> *rows, const Kind &k)
{
    rows->push_back("paint " + PaintName(k));
    if (k.label2) rows->push_back(std::string("label ") + k.name);
    if (k.button) rows->push_back(std::string("press ") + k.name);
    if (IsFader(k)) {
        rows->push_back("drag " + DragRefName(k));
        rows->push_back(std::string("drag ") + k.name);
    }
}

}  // namespace

std::vector<std::string> ExpectedKindRows()
{
    std::vector<std::string> rows = {"paint stock BUTTON 100x40",       "paint stock STATIC 100x40",
                                     "paint floor BitBlt 100x40",       "paint empty window paint 100x40",
                                     "paint stock trackbar 30x150",     "paint stock trackbar 150x30",
                                     "label stock BUTTON SetWindowTextA", "press stock BUTTON BM_CLICK"};
    for (const Kind &k : kKinds) AppendKindRows(&rows, k);
    return rows;
}

std::vector<std::string> KindRowsWithoutBaseline()
{
    std::vector<std::string> rows;
    for (const Kind &k : kKinds)
        if (!(k.cls == kStd ? g_beforeClass : g_before09Class)) AppendKindRows(&rows, k);
    return rows;
}

void RunPanels()
{
    if (g_opt.panelControls > 0) RunPanel(g_opt.panelControls, false);
    if (g_opt.bigPanel > 0) RunPanel(g_opt.bigPanel, true);
}

std::vector<std::string> ExpectedPanelRows()
{
    std::vector<std::string> rows;
    for (int n : {g_opt.panelControls, g_opt.bigPanel}) {
        if (n <= 0) continue;
        for (const char *what : {"controls", "stock controls", "empty windows"})
            rows.push_back("panel " + PanelName(n, what));
        if (n != g_opt.bigPanel || g_opt.countCalls) continue;
        for (const char *what : {"controls: heap bytes per control", "stock controls: heap bytes per control",
                                 "controls: GDI objects per control", "stock controls: GDI objects per control"})
            rows.push_back("panel " + PanelName(n, what));
    }
    return rows;
}
