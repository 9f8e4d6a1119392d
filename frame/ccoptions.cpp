// Option text reader: no Win32 calls.
#include "ccoptions.h"
#include "cctext.h"

static void Add(CCOptionWrites *out, int slot, int digit)
{
    if (digit < 0) return;  // not a hex digit: the slot keeps its value
    out->slot[out->count] = slot;
    out->value[out->count] = digit;
    out->count++;
}

int CCOptionParse(const char *text, int32_t slot3, CCOptionWrites *out)
{
    int d[7];
    char raw[7];
    out->count = 0;
    if (!CCScanOptions(text, d, raw)) return 0;
    Add(out, 3, d[6]);
    Add(out, 5, d[1]);
    Add(out, 6, d[2]);
    // The variant is read after position 6 has set it.
    int32_t variant = (d[6] >= 0 ? d[6] : slot3) & 0xF;
    int pair = variant == 2 ? 9 : variant == 3 ? 11 : 7;
    Add(out, pair, d[3]);
    Add(out, pair + 1, d[4]);
    Add(out, 4, d[5]);
    return 1;
}

uint32_t CCOptionJustifyStyle(const char *text, uint32_t style)
{
    if (!text || text[0] != '/') return style;
    switch (text[1]) {
    case 'R': return style | 0x80;
    case 'L': return style & ~0x80u;
    case 'N': return style & ~0x40u;
    case 'O': return style | 0x40;
    default: return style;
    }
}
