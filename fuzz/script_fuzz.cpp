// Panel scripts: any bytes parse or are refused with a line inside the script
// and a message; what is accepted keeps to the language's limits.
#include <stdlib.h>
#include <string>
#include "script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::string src((const char *)data, size);
    PanelScript s;
    bool ok = PanelScript_Parse(src, &s);
    int lines = 1;
    for (char c : src) lines += c == '\n';
    if (!ok && (s.errorLine < 1 || s.errorLine > lines || s.error.empty())) abort();
    if (ok && (s.errorLine != 0 || !s.error.empty())) abort();
    for (const PanelAction &a : s.actions) {
        if (a.line < 1 || a.line > lines || a.ms < 0 || a.ms > 600000 || a.text.size() > 1000) abort();
        if (a.kind == PA_DRAG_TO && (a.percent < 0 || a.percent > 100)) abort();
        if (a.keys.size() > 100 || (a.kind == PA_KEY && a.keys.empty()) || a.state > 31) abort();
        for (int id : a.ids)
            if (id < 0 || id > 65535 || (a.kind != PA_EXPECT && id == 0)) abort();
    }
    return 0;
}
