// Benchmark: every kind of KERV_CC beside the stock controls and the copy floor.
// Each row is timed with QueryPerformanceCounter in interleaved batches; the
// median batch (per operation) is reported. Every measurement is bounded in
// repetitions and time, and a watchdog ends a run that overstays its limit.
#include "bench.h"
#include <commctrl.h>
#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <algorithm>
#include <map>

namespace {

const char kUsage[] =
    "usage: cc_bench [--smoke] [--profile] [--csv FILE] [--only TEXT]\n"
    "                [--batches N] [--seconds S] [--panel N] [--big-panel N] [--before DLL]\n"
    "                [--before09 DLL|none] [--count-calls]\n"
    "  --smoke      a few repetitions: checks that every row is produced\n"
    "  --profile    also time the pieces the looks are made of\n"
    "  --csv FILE   write the rows as CSV too\n"
    "  --only TEXT  only the kinds (and profile pieces) whose name contains TEXT; no panel\n"
    "  --batches N  batches per measurement (1..1000, default 15)\n"
    "  --seconds S  time bound of one measurement (0.01..60, default 1.5)\n"
    "  --panel N    controls in the panel (0 skips it, at most 2000; default 500)\n"
    "  --big-panel N  controls in the large panel, measured with the memory and GDI\n"
    "               objects per control (0 skips it, at most 4000; default 2000)\n"
    "  --before DLL a baseline build of the library, measured beside this one\n"
    "  --before09 DLL  the baseline of the special library (default: the file\n"
    "               named like --before's with 09 after KERV_CC, when it exists)\n"
    "  --count-calls  time nothing: mark each operation for a wineserver trace\n"
    "               (tools/bench/server-calls.sh runs it and counts the requests)\n";

bool ParseLong(const char *s, long lo, long hi, long *out)
{
    if (!s || !*s) return false;
    char *end = nullptr;
    long v = strtol(s, &end, 10);
    if (*end || v < lo || v > hi) return false;
    *out = v;
    return true;
}

bool ParseDouble(const char *s, double lo, double hi, double *out)
{
    if (!s || !*s) return false;
    char *end = nullptr;
    double v = strtod(s, &end);
    if (*end || !(v >= lo && v <= hi)) return false;
    *out = v;
    return true;
}

bool ParseArgs(int argc, char **argv)
{
    for (int i = 1; i < argc; i++) {
        const char *a = argv[i], *next = i + 1 < argc ? argv[i + 1] : nullptr;
        long n = 0;
        double d = 0;
        if (!strcmp(a, "--smoke")) {
            g_opt.smoke = true;
            g_opt.batches = 3;
            g_opt.perBatch = 2;
            g_opt.seconds = 0.2;
            g_opt.panelSeconds = 0.5;
            g_opt.panelControls = 60;
            g_opt.bigPanel = 120;
        } else if (!strcmp(a, "--profile")) {
            g_opt.profile = true;
        } else if (!strcmp(a, "--count-calls")) {
            g_opt.countCalls = true;
        } else if (!strcmp(a, "--csv") && next) {
            g_opt.csv = argv[++i];
        } else if (!strcmp(a, "--before") && next) {
            g_opt.before = argv[++i];
        } else if (!strcmp(a, "--before09") && next) {
            g_opt.before09 = argv[++i];
        } else if (!strcmp(a, "--only") && next) {
            g_opt.only = argv[++i];
        } else if (!strcmp(a, "--batches") && ParseLong(next, 1, 1000, &n)) {
            g_opt.batches = (int)n;
            i++;
        } else if (!strcmp(a, "--seconds") && ParseDouble(next, 0.01, 60, &d)) {
            g_opt.seconds = d;
            g_opt.panelSeconds = 4 * d;
            i++;
        } else if (!strcmp(a, "--panel") && ParseLong(next, 0, 2000, &n)) {
            g_opt.panelControls = (int)n;
            i++;
        } else if (!strcmp(a, "--big-panel") && ParseLong(next, 0, 4000, &n)) {
            g_opt.bigPanel = (int)n;
            i++;
        } else {
            fprintf(stderr, "cc_bench: bad argument '%s'\n%s", a, kUsage);
            return false;
        }
    }
    return true;
}

// Ends the process if the run overstays its limit (a control that never
// finishes a paint would otherwise hold the run for ever).
DWORD WINAPI Watchdog(LPVOID param)
{
    Sleep((DWORD)(UINT_PTR)param);
    fprintf(stderr, "cc_bench: time limit reached, run abandoned\n");
    fflush(stderr);
    ExitProcess(3);
}

void Ratio(char *out, size_t size, double value, double ref, const char *fmt)
{
    out[0] = '\0';
    if (ref > 0) snprintf(out, size, fmt, value / ref);
}

void PrintTable()
{
    printf("%-8s %-42s %12s %8s %8s %8s %8s %6s\n", "group", "row", "median", "x stock", "x empty", "x floor",
           "x before", "iqr%");
    for (const Row &r : Rows()) {
        char stock[24], empty[24], fl[24], before[24];
        Ratio(stock, sizeof stock, r.value, r.stock, "%.2f");
        Ratio(empty, sizeof empty, r.value, r.empty, "%.2f");
        Ratio(fl, sizeof fl, r.value, r.floor, "%.1f");
        Ratio(before, sizeof before, r.value, r.before, "%.2f");
        printf("%-8s %-42s %9.2f %-3s %8s %8s %8s %8s %6.0f%s\n", r.group.c_str(), r.name.c_str(), r.value, r.unit,
               stock, empty, fl, before, r.spread * 100, r.ok ? "" : "  FAILED");
    }
    fflush(stdout);
}

double Over(double value, double ref) { return ref > 0 ? value / ref : 0.0; }

// Rows as CSV; the number of lines written (header included), 0 on failure.
int WriteCsv(const char *path)
{
    FILE *f = fopen(path, "w");
    if (!f) return 0;
    int lines = fprintf(f, "group,row,median,unit,ratio_stock,ratio_floor,ratio_before,iqr_pct,ok,ratio_empty\n") > 0;
    for (const Row &r : Rows()) {
        std::string name = r.name;
        for (char &c : name)
            if (c == ',' || c == '"') c = ';';
        lines += fprintf(f, "%s,%s,%.3f,%s,%.3f,%.3f,%.3f,%.1f,%d,%.3f\n", r.group.c_str(), name.c_str(), r.value,
                         r.unit, Over(r.value, r.stock), Over(r.value, r.floor), Over(r.value, r.before),
                         r.spread * 100, r.ok ? 1 : 0, Over(r.value, r.empty)) > 0;
    }
    return fclose(f) == 0 ? lines : 0;
}

int CountLines(const char *path)
{
    FILE *f = fopen(path, "r");
    if (!f) return 0;
    int n = 0, c;
    while ((c = fgetc(f)) != EOF) n += c == '\n';
    fclose(f);
    return n;
}

// Every planned row is there exactly once, worked, and has a positive median.
bool CheckRows(const std::vector<std::string> &expected)
{
    std::map<std::string, int> seen;
    std::vector<std::string> untwinned = KindRowsWithoutBaseline();
    bool good = true;
    for (const Row &r : Rows()) {
        std::string key = r.group + " " + r.name;
        seen[key]++;
        // With a baseline, every row of a kind (and the panel) has its twin measured.
        bool timed = !strcmp(r.unit, "us") || !strcmp(r.unit, "ms");
        bool subject = timed && r.group != "profile" && r.name.compare(0, 6, "stock ") != 0 &&
                       r.name.compare(0, 6, "floor ") != 0 && r.name.compare(0, 6, "empty ") != 0 &&
                       r.name.find("stock controls") == std::string::npos &&
                       r.name.find("empty windows") == std::string::npos;
        bool twin = std::find(untwinned.begin(), untwinned.end(), key) == untwinned.end();
        if (g_beforeClass && subject && twin && !(r.before > 0)) {
            fprintf(stderr, "cc_bench: row '%s' has no baseline figure\n", key.c_str());
            good = false;
        }
        // Times are positive; counts (bytes, objects per control) may be 0.
        if (!r.ok || (timed && !(r.value > 0)) || !isfinite(r.value)) {
            fprintf(stderr, "cc_bench: row '%s' did not measure (median %g, %s)\n", key.c_str(), r.value,
                    r.ok ? "ran" : "failed");
            good = false;
        }
    }
    for (const std::string &e : expected) {
        if (seen[e] != 1) {
            fprintf(stderr, "cc_bench: row '%s' produced %d times\n", e.c_str(), seen[e]);
            good = false;
        }
    }
    if (Rows().size() != expected.size()) {
        fprintf(stderr, "cc_bench: %u rows, expected %u\n", (unsigned)Rows().size(), (unsigned)expected.size());
        good = false;
    }
    return good;
}

}  // namespace

int main(int argc, char **argv)
{
    if (!ParseArgs(argc, argv)) return 2;
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    for (const char *lib : {"KERV_CC.DLL", "KERV_CC09.DLL"}) {
        if (!LoadLibraryA(lib)) {
            fprintf(stderr, "cc_bench: %s not found\n", lib);
            return 1;
        }
    }
    if (g_opt.before && !LoadBaseline(g_opt.before, g_opt.before09)) return 1;
    // The watchdog starts once the libraries are loaded: their attach reports on
    // the debugger output (an exception), which some emulators of the platform
    // mishandle while a second thread runs.
    DWORD limitMs = g_opt.smoke ? 200000 : 1200000;
    HANDLE dog = CreateThread(nullptr, 0, Watchdog, (LPVOID)(UINT_PTR)limitMs, 0, nullptr);
    if (dog) CloseHandle(dog);
    RegisterEmpty();
    std::vector<std::string> expected = ExpectedKindRows();
    HWND parent = MakeParent(1120, 480);
    RunKinds(parent);
    if (g_opt.profile) {
        RunProfile(parent);
        std::vector<std::string> more = ExpectedProfileRows();
        expected.insert(expected.end(), more.begin(), more.end());
    }
    DestroyWindow(parent);
    if (!g_opt.only && (g_opt.panelControls > 0 || g_opt.bigPanel > 0)) {
        RunPanels();
        std::vector<std::string> more = ExpectedPanelRows();
        expected.insert(expected.end(), more.begin(), more.end());
    }
    if (g_opt.countCalls) return 0;
    PrintTable();
    if (!g_opt.only) PrintTargets();
    bool good = true;
    if (g_opt.csv) {
        int lines = WriteCsv(g_opt.csv);
        if (lines != (int)Rows().size() + 1 || CountLines(g_opt.csv) != lines) {
            fprintf(stderr, "cc_bench: CSV '%s' not written whole\n", g_opt.csv);
            good = false;
        }
    }
    if (!g_opt.only && !CheckRows(expected)) good = false;
    fflush(stderr);
    return good ? 0 : 2;
}
