// Small PNG writer without dependencies: 8-bit RGB, one IDAT of stored
// (uncompressed) deflate blocks. Pure code, no Win32 calls.
#ifndef CCPNG_H
#define CCPNG_H

#include <cstddef>
#include <cstdint>
#include <vector>

// Largest image accepted, in either direction.
#define CCPNG_MAX_SIDE 16384

// CRC-32 (PNG/zlib polynomial) of n bytes, continuing from crc (0 to start).
uint32_t CCPng_Crc32(const uint8_t *p, size_t n, uint32_t crc = 0);
// Adler-32 of n bytes, continuing from adler (1 to start).
uint32_t CCPng_Adler32(const uint8_t *p, size_t n, uint32_t adler = 1);

// Encodes w x h pixels; rgb holds top-down rows of w * 3 bytes (R, G, B),
// each row starting stride bytes after the previous one (stride >= w * 3).
// Returns false, with out empty, for a null image, a side outside
// 1..CCPNG_MAX_SIDE or a stride too small.
bool CCPng_Encode(int w, int h, const uint8_t *rgb, size_t stride, std::vector<uint8_t> &out);

// Encodes as above and writes the file; false if encoding or writing fails.
bool CCPng_WriteFile(const char *path, int w, int h, const uint8_t *rgb, size_t stride);

#endif
