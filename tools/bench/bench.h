// Benchmark instrument shared by its parts: options, interleaved timing, rows
// of the report and the helper windows.
#ifndef CC_BENCH_H
#define CC_BENCH_H

#include <windows.h>
#include "ccprocess.h"
#include <functional>
#include <string>
#include <vector>

struct BenchOptions {
    int batches = 15;          // batches per measurement (median taken over these)
    int perBatch = 40;         // at most this many operations per batch
    double seconds = 1.5;      // time bound of one measurement
    double panelSeconds = 6;   // time bound of the panel measurement
    int panelControls = 500;
    int bigPanel = 2000;       // the large panel, with memory and GDI objects per control
    const char *csv = nullptr;
    const char *only = nullptr;    // run only the rows whose name contains this
    const char *before = nullptr;    // baseline library measured beside the current one
    const char *before09 = nullptr;  // its special sibling (null: derived from before's name)
    bool smoke = false;
    bool profile = false;
    bool countCalls = false;  // mark each operation for a wineserver request trace
};
extern BenchOptions g_opt;

double Now();
// Dispatches pending messages (bounded: a window that keeps posting cannot hold it).
void Pump();

// An operation, called with its repetition number; -1 is an untimed set-up
// before each of its batches.
typedef std::function<void(int)> Op;

// Medians (microseconds per operation) and spreads (interquartile range over
// median) of operations measured in interleaved batches, in the order given.
// In a counting run nothing is timed: each operation runs kCountReps times
// between two marks that a traced wineserver logs, and us[k] holds the mark's
// number (AddRow then prints which row it belongs to).
// A measurement whose batches were disturbed (a batch ten times its median) is
// taken again; a third disturbed one ends the run with a message (exit 4), so
// that no figure is printed that was not measured.
const int kCountReps = 20;
struct Timing {
    std::vector<double> us, spread;
};
Timing Measure(const std::vector<const Op *> &ops, double seconds = 0);

struct Row {
    std::string group, name;
    double value;     // median in the row's unit
    const char *unit;  // "us" or "ms"
    double stock;     // stock reference measured beside it, same unit (0: none)
    double floor;     // copy floor measured beside it (0: none)
    double before;    // the same under the baseline library, measured beside it (0: none)
    double empty;     // empty windows' paint (the window system's own floor) beside it (0: none)
    double spread;    // interquartile range over median
    bool ok;          // false: the subject could not be set up or did not act
};
std::vector<Row> &Rows();
struct RowRefs {
    double stock = 0, floor = 0, before = 0, empty = 0;
};
void AddRow(const std::string &group, const std::string &name, double value, const RowRefs &refs, double spread,
            bool ok = true, const char *unit = "us");
bool Selected(const std::string &name);

// Parent windows count what their children report.
struct Reports {
    int commands, scrolls;
    HWND watch;   // notifications from this control are also counted apart
    int watched;
};
extern Reports g_reports;
HWND MakeParent(int w, int h);
HWND Child(HWND parent, const char *cls, DWORD style, const char *text, int x, int y, int w, int h, int id);
// Classes of the baseline libraries' windows, standard and special (null: no
// baseline of that library loaded).
extern const char *g_beforeClass;
extern const char *g_before09Class;
// Loads the baseline standard library and its special sibling: path09, else the
// file named like path with "09" after "KERV_CC" (KERV_CC_BEFORE.DLL gives
// KERV_CC09_BEFORE.DLL), skipped when that file does not exist; "none": no
// sibling. False (with a message) when a library named or found does not load.
bool LoadBaseline(const char *path, const char *path09);
// Instance to create windows of class cls with (g_before09Class: the baseline
// module's, where its class is local; else this program's).
HINSTANCE InstanceFor(const char *cls);
// Class of windows whose paint is BeginPaint / EndPaint only.
extern const char *const kEmptyClass;
void RegisterEmpty();
void Repaint(HWND hwnd);


// The sections of a run.
void RunKinds(HWND parent);
void RunPanels();
void RunProfile(HWND parent);
// The targets, each with its worst row and whether it is met; false when one
// is not.
bool PrintTargets();

// Names of the rows each section must produce, for the smoke check.
std::vector<std::string> ExpectedKindRows();
// The kind rows that have no baseline twin although a baseline is loaded (the
// special kinds when only the standard library has one).
std::vector<std::string> KindRowsWithoutBaseline();
std::vector<std::string> ExpectedPanelRows();
std::vector<std::string> ExpectedProfileRows();

#endif
