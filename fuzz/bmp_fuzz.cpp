// Picture file blocks: a block accepted as usable is read end to end as the
// loader reads it (header, colour table, pixel rows); AddressSanitizer stops
// a read outside the block. The verdict does not depend on bytes past it.
#include <stdlib.h>
#include <string.h>
#include <vector>
#include "dibscan.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::vector<unsigned char> block(data, data + size);
    CCBmpLayout l;
    memset(&l, 0, sizeof l);
    CCBmpVerdict v = CCBmp_Check(block.data(), block.size(), &l);
    if (v != CCBMP_OK) return 0;
    if (l.width <= 0 || l.height <= 0 || (int64_t)l.width * l.height > CCBMP_MAX_PIXELS) abort();
    if (l.bitsOffset != CCBMP_INFO_HEADER + l.tableBytes) abort();
    if ((uint64_t)l.bitsOffset + l.bitsBytes > size) abort();
    uint64_t stride = ((uint64_t)l.width * l.bitCount + 31) / 32 * 4;
    if (stride * (uint64_t)l.height != l.bitsBytes) abort();
    unsigned sum = 0;
    for (uint32_t i = 0; i < l.bitsOffset + l.bitsBytes; i++) sum += block[i];
    // Bytes after the picture do not change the verdict.
    block.resize(l.bitsOffset + l.bitsBytes);
    CCBmpLayout again;
    memset(&again, 0, sizeof again);
    if (CCBmp_Check(block.data(), block.size(), &again) != CCBMP_OK || memcmp(&again, &l, sizeof l) != 0) abort();
    return (int)(sum & 0);
}
