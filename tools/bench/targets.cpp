// The targets the rows are held to: each kind's paint, label change and press
// against the stock button, fader drags against the trackbar, the panel against
// the stock panel, and the aims against the empty windows' paint (the window
// system's own floor).
#include "bench.h"
#include <stdio.h>
#include <string.h>

namespace {

struct Target {
    const char *name;
    const char *group;
    bool panel;      // the panel of --panel controls only; else every kind's row
    bool vsEmpty;    // against the empty windows; else against the stock control
    double limit;
};

const Target kTargets[] = {
    {"every paint x stock button", "paint", false, false, 1.0},
    {"every label change x SetWindowTextA", "label", false, false, 1.0},
    {"every press x BM_CLICK", "press", false, false, 1.0},
    {"every fader drag step x trackbar", "drag", false, false, 0.25},
    {"panel x stock panel", "panel", true, false, 0.75},
    {"aim: every paint x empty window", "paint", false, true, 1.4},
    {"aim: panel x empty windows", "panel", true, true, 1.3},
};

bool Starts(const std::string &s, const char *prefix) { return s.compare(0, strlen(prefix), prefix) == 0; }

// A row of one of the kinds (or the kit's panel), not a reference.
bool KitRow(const Row &r, const Target &t)
{
    if (r.group != t.group || !r.ok) return false;
    if (t.panel) {
        char name[64];
        snprintf(name, sizeof name, "panel of %d controls", g_opt.panelControls);
        return r.name == name;
    }
    return !Starts(r.name, "stock ") && !Starts(r.name, "empty ") && !Starts(r.name, "floor ");
}

}  // namespace

bool PrintTargets()
{
    bool all = true;
    printf("\n%-40s %6s  %-28s %6s  %s\n", "target", "limit", "worst row", "ratio", "met");
    for (const Target &t : kTargets) {
        const Row *worst = nullptr;
        double worstRatio = 0;
        std::string over;
        for (const Row &r : Rows()) {
            double ref = t.vsEmpty ? r.empty : r.stock;
            if (!KitRow(r, t) || !(ref > 0)) continue;
            double ratio = r.value / ref;
            if (!worst || ratio > worstRatio) worst = &r, worstRatio = ratio;
            if (ratio > t.limit) {
                char one[96];
                snprintf(one, sizeof one, "%s%s %.2f", over.empty() ? "" : ", ", r.name.c_str(), ratio);
                over += one;
            }
        }
        if (!worst) continue;  // not measured in this run
        bool met = over.empty();
        all = all && met;
        printf("%-40s %6.2f  %-28s %6.2f  %s\n", t.name, t.limit, worst->name.c_str(), worstRatio, met ? "yes" : "no");
        if (!met) printf("    over: %s\n", over.c_str());
    }
    fflush(stdout);
    return all;
}
