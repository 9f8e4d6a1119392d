// Timing in interleaved batches, the rows of the report and the helper windows.
#include "bench.h"
#include <algorithm>
#include <stdio.h>
#include <string.h>

BenchOptions g_opt;
Reports g_reports;
const char *const kEmptyClass = "CCBenchEmpty";

double Now()
{
    static LARGE_INTEGER freq;
    if (!freq.QuadPart) QueryPerformanceFrequency(&freq);
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return (double)t.QuadPart / (double)freq.QuadPart;
}

void Pump()
{
    MSG m;
    for (int i = 0; i < 20000 && PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE); i++) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
}

namespace {

struct Stats {
    double median, spread, worst;
};

Stats Summarise(std::vector<double> v)
{
    if (v.empty()) return {0, 0, 0};
    std::sort(v.begin(), v.end());
    size_t n = v.size();
    double med = n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    double iqr = v[(3 * (n - 1)) / 4] - v[(n - 1) / 4];
    return {med, med > 0 ? iqr / med : 0, v.back()};
}

// A batch that took this many times its operation's median was disturbed.
const double kDisturbed = 10;
const int kAttempts = 3;

int g_marks;

// A global atom look-up is one wineserver request that carries the name: the
// trace shows where an operation's requests begin and end.
void Mark(int id, const char *what)
{
    char name[64];
    snprintf(name, sizeof name, "ccbench:%d:%s", id, what);
    GlobalFindAtomA(name);
}

Timing MarkOps(const std::vector<const Op *> &ops)
{
    Timing t;
    for (const Op *op : ops) {
        (*op)(-1);
        (*op)(0);
        int id = ++g_marks;
        Mark(id, "begin");
        for (int i = 1; i <= kCountReps; i++) (*op)(i);
        Mark(id, "end");
        t.us.push_back(id);
        t.spread.push_back(0);
    }
    return t;
}

}  // namespace

// Each batch runs every operation perBatch times, in turn; the order is reversed
// on every other batch so that no operation always follows the same one. The
// batch size is cut so that at least three batches fit in the time bound, and
// batches stop once the bound is spent (after the third).
static bool MeasureOnce(const std::vector<const Op *> &ops, double seconds, Timing *out);

Timing Measure(const std::vector<const Op *> &ops, double seconds)
{
    if (g_opt.countCalls) return MarkOps(ops);
    if (seconds <= 0) seconds = g_opt.seconds;
    Timing t;
    for (int attempt = 1; attempt <= kAttempts; attempt++) {
        if (MeasureOnce(ops, seconds, &t)) return t;
        // The smoke run times nothing: its figures are never reported.
        if (g_opt.smoke) return t;
        fprintf(stderr, "cc_bench: a batch took over %.0f times the median (attempt %d of %d)%s\n", kDisturbed,
                attempt, kAttempts, attempt < kAttempts ? ": measuring again" : "");
    }
    fprintf(stderr, "cc_bench: the machine disturbed every attempt; no figures reported\n");
    fflush(stderr);
    ExitProcess(4);
}

// One interleaved measurement; false when a batch was disturbed.
static bool MeasureOnce(const std::vector<const Op *> &ops, double seconds, Timing *out)
{
    size_t n = ops.size();
    std::vector<int> rep(n, 0);
    double slowest = 0;
    for (size_t k = 0; k < n; k++) {
        (*ops[k])(-1);
        (*ops[k])(rep[k]++);  // warm-up
        double t0 = Now();
        (*ops[k])(rep[k]++);
        slowest = std::max(slowest, Now() - t0);
    }
    int per = g_opt.perBatch;
    double budget = seconds / (3.0 * (n ? n : 1));
    if (slowest > 0 && budget / slowest < per) per = std::max(1, (int)(budget / slowest));
    std::vector<std::vector<double>> perOp(n);
    double start = Now();
    for (int batch = 0; batch < g_opt.batches; batch++) {
        for (size_t j = 0; j < n; j++) {
            size_t k = batch % 2 ? n - 1 - j : j;
            (*ops[k])(-1);  // untimed set-up
            double t0 = Now();
            for (int i = 0; i < per; i++) (*ops[k])(rep[k]++);
            perOp[k].push_back((Now() - t0) * 1e6 / per);
        }
        if (batch >= 2 && Now() - start > seconds) break;
    }
    Timing t;
    bool calm = true;
    for (size_t k = 0; k < n; k++) {
        Stats s = Summarise(perOp[k]);
        t.us.push_back(s.median);
        t.spread.push_back(s.spread);
        if (s.median > 0 && s.worst > kDisturbed * s.median) calm = false;
    }
    *out = t;
    return calm;
}

std::vector<Row> &Rows()
{
    static std::vector<Row> rows;
    return rows;
}

void AddRow(const std::string &group, const std::string &name, double value, const RowRefs &refs, double spread,
            bool ok, const char *unit)
{
    if (g_opt.countCalls) {
        // Which row each mark measured; a reference is named after the row it served.
        printf("mark %d %s %s\n", (int)value, group.c_str(), name.c_str());
        const double ref[4] = {refs.stock, refs.floor, refs.before, refs.empty};
        const char *what[4] = {"stock", "floor", "before", "empty"};
        for (int i = 0; i < 4; i++)
            if (ref[i] > 0 && ref[i] != value)
                printf("mark %d %s %s (%s)\n", (int)ref[i], group.c_str(), name.c_str(), what[i]);
    }
    Rows().push_back({group, name, value, unit, refs.stock, refs.floor, refs.before, refs.empty, spread, ok});
}

bool Selected(const std::string &name) { return !g_opt.only || name.find(g_opt.only) != std::string::npos; }

namespace {

LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_COMMAND:
        g_reports.commands++;
        if (g_reports.watch && (HWND)lParam == g_reports.watch) g_reports.watched++;
        return 0;
    case WM_VSCROLL:
    case WM_HSCROLL:
        g_reports.scrolls++;
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

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

}  // namespace

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

// Instance the special baseline's windows are made with (see RegisterBaseline09).
static HINSTANCE s_before09Instance;

HINSTANCE InstanceFor(const char *cls)
{
    // The very pointer LoadBaseline handed out, not the name (which the
    // current library's class shares).
    return cls == g_before09Class && s_before09Instance ? s_before09Instance : GetModuleHandleA(nullptr);
}

HWND Child(HWND parent, const char *cls, DWORD style, const char *text, int x, int y, int w, int h, int id)
{
    HWND c = CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent, (HMENU)(INT_PTR)id,
                             InstanceFor(cls), nullptr);
    Pump();
    return c;
}

void RegisterEmpty()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = EmptyProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kEmptyClass;
    RegisterClassA(&wc);
}

void Repaint(HWND hwnd)
{
    InvalidateRect(hwnd, nullptr, FALSE);
    UpdateWindow(hwnd);
}

const char *g_beforeClass = nullptr;
const char *g_before09Class = nullptr;

namespace {

// The baseline standard library's windows are its window procedure under a
// class of our own (its attach finds the library class taken and leaves it
// alone).
const char *RegisterBaseline(const char *path, const char *cls)
{
    HMODULE lib = LoadLibraryA(path);
    FARPROC proc = lib ? GetProcAddress(lib, "VEK_CC_WndFn") : nullptr;
    if (!proc) return nullptr;
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = reinterpret_cast<WNDPROC>(reinterpret_cast<void (*)(void)>(proc));
    wc.cbWndExtra = sizeof(LONG_PTR);
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    wc.lpszClassName = cls;
    return RegisterClassA(&wc) ? cls : nullptr;
}

const char kSpecialClass[] = "VEK_CC09_Button";

// The special library serves only windows of its own class name. Its baseline
// gets that name as a class local to the baseline module: windows made with
// that module's instance find it first, all others the current library's
// global class. The current library as its own baseline needs no second class.
const char *RegisterBaseline09(const char *path)
{
    HMODULE current = GetModuleHandleA("KERV_CC09.DLL");
    HMODULE lib = LoadLibraryA(path);
    FARPROC proc = lib ? GetProcAddress(lib, "VEK_CC_WndFn") : nullptr;
    if (!proc) return nullptr;
    if (lib == current) return kSpecialClass;
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = reinterpret_cast<WNDPROC>(reinterpret_cast<void (*)(void)>(proc));
    wc.cbWndExtra = sizeof(LONG_PTR);
    wc.hInstance = lib;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    wc.lpszClassName = kSpecialClass;
    if (!RegisterClassA(&wc)) return nullptr;
    s_before09Instance = lib;
    return kSpecialClass;
}

// The sibling's name: "09" after "KERV_CC" in the file name (any case); empty
// when the file name holds no "KERV_CC".
std::string SiblingName(const char *path)
{
    std::string p = path;
    size_t name = p.find_last_of("\\/:");
    name = name == std::string::npos ? 0 : name + 1;
    std::string upper = p;
    for (char &c : upper)
        if (c >= 'a' && c <= 'z') c = (char)(c - 'a' + 'A');
    size_t at = upper.find("KERV_CC", name);
    if (at == std::string::npos) return std::string();
    return p.insert(at + 7, "09");
}

}  // namespace

bool LoadBaseline(const char *path, const char *path09)
{
    g_beforeClass = RegisterBaseline(path, "CCBenchBefore");
    if (!g_beforeClass) {
        fprintf(stderr, "cc_bench: baseline '%s' not loaded\n", path);
        return false;
    }
    std::string sibling = path09 ? path09 : SiblingName(path);
    if (sibling == "none") return true;
    if (!path09 && (sibling.empty() || GetFileAttributesA(sibling.c_str()) == INVALID_FILE_ATTRIBUTES)) {
        fprintf(stderr, "cc_bench: no special sibling beside baseline '%s': the special kinds have no baseline\n",
                path);
        return true;
    }
    g_before09Class = RegisterBaseline09(sibling.c_str());
    if (!g_before09Class) {
        fprintf(stderr, "cc_bench: baseline sibling '%s' not loaded\n", sibling.c_str());
        return false;
    }
    return true;
}
