// Option texts: any bytes as the text, any slot 3. The writes stay within the
// slots an option text may set, with values 0..15, in the documented order,
// and match a plain re-reading of the six positions.
#include <stdlib.h>
#include <string.h>
#include <string>
#include "ccoptions.h"
#include "cctext.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    int32_t slot3 = 0;
    if (size >= 4) {
        memcpy(&slot3, data, 4);
        data += 4;
        size -= 4;
    }
    std::string text((const char *)data, size);  // stops at the first NUL for the parser
    CCOptionWrites w;
    memset(&w, 0xAB, sizeof w);
    int ok = CCOptionParse(text.c_str(), slot3, &w);
    if (ok != (text[0] == '/')) abort();
    if (!ok) {
        if (w.count != 0) abort();
        if (CCOptionJustifyStyle(text.c_str(), 0x1234) != 0x1234) abort();
        return 0;
    }
    if (w.count < 0 || w.count > 6) abort();
    // Expected writes from the positions themselves ('_' past the end).
    const char *t = text.c_str();
    size_t len = strlen(t);
    char pos[7];
    for (int i = 1; i <= 6; i++) pos[i] = (size_t)i < len ? t[i] : '_';
    int variant = (CCHexDigit(pos[6]) >= 0 ? CCHexDigit(pos[6]) : slot3) & 0xF;
    int pair = variant == 2 ? 9 : variant == 3 ? 11 : 7;
    const int order[6] = {6, 1, 2, 3, 4, 5};
    const int slot[6] = {3, 5, 6, pair, pair + 1, 4};
    int k = 0;
    for (int i = 0; i < 6; i++) {
        int d = CCHexDigit(pos[order[i]]);
        if (d < 0) continue;
        if (k >= w.count || w.slot[k] != slot[i] || w.value[k] != d) abort();
        k++;
    }
    if (k != w.count) abort();
    uint32_t st = CCOptionJustifyStyle(t, 0xFF00FF3Fu);
    if ((st & ~0xC0u) != (0xFF00FF3Fu & ~0xC0u)) abort();  // only bits 0x40 and 0x80 change
    return 0;
}
