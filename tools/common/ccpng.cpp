// Small PNG writer: signature, IHDR, one IDAT (zlib stream of stored blocks), IEND.
#include "ccpng.h"

#include <cstdio>

namespace {

const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
const size_t kStoredMax = 65535;  // longest stored deflate block

void PutBE32(std::vector<uint8_t> &out, uint32_t v)
{
    out.push_back((uint8_t)(v >> 24));
    out.push_back((uint8_t)(v >> 16));
    out.push_back((uint8_t)(v >> 8));
    out.push_back((uint8_t)v);
}

// Appends one chunk: length, type, data, CRC over type and data.
void PutChunk(std::vector<uint8_t> &out, const char *type, const uint8_t *data, size_t n)
{
    PutBE32(out, (uint32_t)n);
    size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    if (n)
        out.insert(out.end(), data, data + n);
    PutBE32(out, CCPng_Crc32(&out[start], out.size() - start));
}

}  // namespace

uint32_t CCPng_Crc32(const uint8_t *p, size_t n, uint32_t crc)
{
    static uint32_t table[256];
    static bool ready = false;
    if (!ready) {
        for (uint32_t i = 0; i < 256; i++) {
            uint32_t c = i;
            for (int k = 0; k < 8; k++)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[i] = c;
        }
        ready = true;
    }
    crc = ~crc;
    for (size_t i = 0; i < n; i++)
        crc = table[(crc ^ p[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

uint32_t CCPng_Adler32(const uint8_t *p, size_t n, uint32_t adler)
{
    uint32_t a = adler & 0xFFFF, b = adler >> 16;
    while (n) {
        size_t run = n < 5552 ? n : 5552;  // largest run without 32-bit overflow
        n -= run;
        while (run--) {
            a += *p++;
            b += a;
        }
        a %= 65521;
        b %= 65521;
    }
    return (b << 16) | a;
}

bool CCPng_Encode(int w, int h, const uint8_t *rgb, size_t stride, std::vector<uint8_t> &out)
{
    out.clear();
    if (!rgb || w < 1 || h < 1 || w > CCPNG_MAX_SIDE || h > CCPNG_MAX_SIDE || stride < (size_t)w * 3)
        return false;

    // Filtered scanlines: filter byte 0 (none) and the row's pixels.
    const size_t rowLen = (size_t)w * 3 + 1;
    std::vector<uint8_t> raw;
    raw.reserve(rowLen * (size_t)h);
    for (int y = 0; y < h; y++) {
        const uint8_t *row = rgb + stride * (size_t)y;
        raw.push_back(0);
        raw.insert(raw.end(), row, row + (size_t)w * 3);
    }

    // zlib stream: header (deflate, 32K window, no dictionary), stored blocks, Adler-32.
    std::vector<uint8_t> z;
    z.reserve(raw.size() + raw.size() / kStoredMax * 5 + 16);
    z.push_back(0x78);
    z.push_back(0x01);
    size_t pos = 0;
    do {
        size_t len = raw.size() - pos < kStoredMax ? raw.size() - pos : kStoredMax;
        bool last = pos + len == raw.size();
        z.push_back(last ? 1 : 0);
        z.push_back((uint8_t)len);
        z.push_back((uint8_t)(len >> 8));
        z.push_back((uint8_t)~len);
        z.push_back((uint8_t)(~len >> 8));
        z.insert(z.end(), raw.begin() + (std::ptrdiff_t)pos, raw.begin() + (std::ptrdiff_t)(pos + len));
        pos += len;
    } while (pos < raw.size());
    PutBE32(z, CCPng_Adler32(raw.data(), raw.size()));

    uint8_t ihdr[13];
    const uint32_t dims[2] = {(uint32_t)w, (uint32_t)h};
    for (int i = 0; i < 2; i++)
        for (int k = 0; k < 4; k++)
            ihdr[i * 4 + k] = (uint8_t)(dims[i] >> (24 - 8 * k));
    ihdr[8] = 8;   // bit depth
    ihdr[9] = 2;   // colour type: RGB
    ihdr[10] = 0;  // compression: deflate
    ihdr[11] = 0;  // filter method
    ihdr[12] = 0;  // no interlace

    out.assign(kSignature, kSignature + 8);
    PutChunk(out, "IHDR", ihdr, sizeof ihdr);
    PutChunk(out, "IDAT", z.data(), z.size());
    PutChunk(out, "IEND", nullptr, 0);
    return true;
}

bool CCPng_WriteFile(const char *path, int w, int h, const uint8_t *rgb, size_t stride)
{
    std::vector<uint8_t> png;
    if (!path || !CCPng_Encode(w, h, rgb, stride, png))
        return false;
    FILE *f = std::fopen(path, "wb");
    if (!f)
        return false;
    bool ok = std::fwrite(png.data(), 1, png.size(), f) == png.size();
    ok = (std::fclose(f) == 0) && ok;
    return ok;
}
