// BMP block check: every field the loader relies on is read byte by byte
// (little-endian, no alignment assumed) and every size is computed in 64 bits.
#include "dibscan.h"

static uint32_t U32(const unsigned char *p)
{
    return (uint32_t)p[0] | (uint32_t)p[1] << 8 | (uint32_t)p[2] << 16 | (uint32_t)p[3] << 24;
}

static uint16_t U16(const unsigned char *p) { return (uint16_t)(p[0] | p[1] << 8); }

CCBmpVerdict CCBmp_Check(const unsigned char *block, size_t size, CCBmpLayout *layout)
{
    if (!block || size < CCBMP_INFO_HEADER) return CCBMP_SHORT_HEADER;
    if (U32(block) != CCBMP_INFO_HEADER) return CCBMP_HEADER_SIZE;
    int32_t w = (int32_t)U32(block + 4), h = (int32_t)U32(block + 8);
    if (w <= 0 || h <= 0 || w > CCBMP_MAX_SIDE || h > CCBMP_MAX_SIDE || (int64_t)w * h > CCBMP_MAX_PIXELS)
        return CCBMP_SIZE;
    if (U16(block + 12) != 1) return CCBMP_PLANES;
    uint16_t n = U16(block + 14);
    if (n != 1 && n != 4 && n != 8 && n != 24 && n != 32) return CCBMP_BIT_COUNT;
    if (U32(block + 16) != 0) return CCBMP_COMPRESSED;
    // The table is always the full 2^n entries: a shorter (or longer) one
    // announced here would move the pixel bits away from where they are read.
    uint32_t entries = n < 24 ? 1u << n : 0;
    uint32_t used = U32(block + 32);
    if (used != 0 && used != entries) return CCBMP_COLOURS;
    uint32_t table = entries * 4;
    uint64_t bitsOffset = (uint64_t)CCBMP_INFO_HEADER + table;
    if (size < bitsOffset) return CCBMP_SHORT_TABLE;
    uint64_t stride = ((uint64_t)w * n + 31) / 32 * 4;
    uint64_t bits = stride * (uint64_t)h;
    if (size - bitsOffset < bits) return CCBMP_SHORT_BITS;
    if (layout) {
        layout->width = w;
        layout->height = h;
        layout->bitCount = n;
        layout->tableBytes = table;
        layout->bitsOffset = (uint32_t)bitsOffset;
        layout->bitsBytes = (uint32_t)bits;
    }
    return CCBMP_OK;
}
