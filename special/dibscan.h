// Picture files: checks a Windows BMP file's contents before anything reads
// them. Pure logic without Win32 (it also builds natively for fuzzing): bytes
// and a length in, a verdict and the layout out.
//
// The block checked is the file from its byte 14 on (the file header is
// skipped): a 40-byte information header, a colour table of 2^n entries of
// 4 bytes when the bit count n is 1, 4 or 8, then the pixel rows, bottom-up,
// each padded to 4 bytes. Only uncompressed 1, 4, 8, 24 and 32-bit pictures
// are read.
#ifndef S09_DIBSCAN_H
#define S09_DIBSCAN_H

#include <stddef.h>
#include <stdint.h>

// Bytes of the file header skipped before the block.
#define CCBMP_FILE_HEADER 14
// Size of the information header the loader reads.
#define CCBMP_INFO_HEADER 40
// Largest width or height read, and the largest picture in pixels: larger
// pictures would take more memory than a button's picture deserves.
#define CCBMP_MAX_SIDE 16384
#define CCBMP_MAX_PIXELS (1L << 24)
// Largest file read into memory.
#define CCBMP_MAX_FILE (64L << 20)

enum CCBmpVerdict {
    CCBMP_OK,
    CCBMP_SHORT_HEADER,  // the block ends inside the information header
    CCBMP_HEADER_SIZE,   // header size field other than 40
    CCBMP_SIZE,          // width or height not positive, or too large
    CCBMP_PLANES,        // planes other than 1
    CCBMP_BIT_COUNT,     // bit count other than 1, 4, 8, 24, 32
    CCBMP_COMPRESSED,    // compression other than none
    CCBMP_COLOURS,       // used-colours field other than 0 or the full table
    CCBMP_SHORT_TABLE,   // the block ends inside the colour table
    CCBMP_SHORT_BITS,    // the block ends before the last pixel row
};

// Where the parts of a usable block lie.
struct CCBmpLayout {
    int32_t width, height;
    uint16_t bitCount;
    uint32_t tableBytes;  // colour table size (0 for 24 and 32 bits)
    uint32_t bitsOffset;  // pixel bits from the block start: 40 + tableBytes
    uint32_t bitsBytes;   // bytes of pixel rows the picture needs
};

// Checks a block of `size` bytes (null or short blocks are refused). On
// CCBMP_OK fills *layout (when given); reading the header, the colour table
// and bitsBytes from bitsOffset then stays inside the block.
CCBmpVerdict CCBmp_Check(const unsigned char *block, size_t size, CCBmpLayout *layout);

#endif
