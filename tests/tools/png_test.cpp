// PNG writer and window capture of tools/common: the files decode, with an
// independent reader, to exactly the pixels given; bad input is refused.
#include <gtest/gtest.h>
#include <stdio.h>
#include <string>
#include <vector>

#include "cccapture.h"
#include "ccpng.h"
#include "harness.h"

namespace {

uint32_t BE32(const uint8_t *p) { return (uint32_t)p[0] << 24 | p[1] << 16 | p[2] << 8 | p[3]; }

// Bit-by-bit CRC-32, independent of the table-driven one under test.
uint32_t SlowCrc(const uint8_t *p, size_t n)
{
    uint32_t c = 0xFFFFFFFFu;
    for (size_t i = 0; i < n; i++) {
        c ^= p[i];
        for (int k = 0; k < 8; k++) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1)));
    }
    return ~c;
}

struct Decoded {
    std::string error;
    uint32_t w = 0, h = 0;
    std::vector<uint8_t> rgb;  // rows of w * 3 bytes
    int blocks = 0;
};

// Reads what the writer produces: chunks with their CRCs, IHDR, one zlib
// stream of stored blocks, filter 0 rows.
Decoded Decode(const std::vector<uint8_t> &f)
{
    Decoded d;
    static const uint8_t sig[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (f.size() < 8 || memcmp(f.data(), sig, 8)) return d.error = "signature", d;
    std::vector<uint8_t> z;
    std::vector<std::string> order;
    for (size_t pos = 8; pos < f.size();) {
        if (pos + 12 > f.size()) return d.error = "truncated chunk", d;
        uint32_t len = BE32(&f[pos]);
        if (pos + 12 + len > f.size()) return d.error = "chunk length", d;
        std::string type(f.begin() + pos + 4, f.begin() + pos + 8);
        if (SlowCrc(&f[pos + 4], len + 4) != BE32(&f[pos + 8 + len])) return d.error = "crc of " + type, d;
        const uint8_t *data = &f[pos + 8];
        if (type == "IHDR") {
            if (len != 13) return d.error = "IHDR length", d;
            d.w = BE32(data);
            d.h = BE32(data + 4);
            if (data[8] != 8 || data[9] != 2 || data[10] || data[11] || data[12]) return d.error = "IHDR fields", d;
        } else if (type == "IDAT") {
            z.insert(z.end(), data, data + len);
        }
        order.push_back(type);
        pos += 12 + len;
    }
    if (order.empty() || order.front() != "IHDR" || order.back() != "IEND") return d.error = "chunk order", d;
    if (z.size() < 6 || z[0] != 0x78 || (z[0] * 256 + z[1]) % 31) return d.error = "zlib header", d;
    std::vector<uint8_t> raw;
    size_t p = 2;
    for (bool last = false; !last;) {
        if (p + 5 > z.size()) return d.error = "block header", d;
        if (z[p] & ~1) return d.error = "not a stored block", d;
        last = z[p] & 1;
        unsigned len = z[p + 1] | z[p + 2] << 8, nlen = z[p + 3] | z[p + 4] << 8;
        if ((len ^ 0xFFFF) != nlen || p + 5 + len > z.size()) return d.error = "block length", d;
        raw.insert(raw.end(), z.begin() + p + 5, z.begin() + p + 5 + len);
        p += 5 + len;
        d.blocks++;
    }
    if (p + 4 != z.size()) return d.error = "stream end", d;
    uint32_t a = 1, b = 0;
    for (uint8_t c : raw) a = (a + c) % 65521, b = (b + a) % 65521;
    if (BE32(&z[p]) != (b << 16 | a)) return d.error = "adler", d;
    size_t row = (size_t)d.w * 3 + 1;
    if (raw.size() != row * d.h) return d.error = "image data size", d;
    for (uint32_t y = 0; y < d.h; y++) {
        if (raw[y * row]) return d.error = "filter byte", d;
        d.rgb.insert(d.rgb.end(), raw.begin() + y * row + 1, raw.begin() + (y + 1) * row);
    }
    return d;
}

std::vector<uint8_t> Pattern(int w, int h, size_t stride)
{
    std::vector<uint8_t> px(stride * h, 0xEE);  // padding bytes must not leak
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            uint8_t *q = &px[y * stride + x * 3];
            q[0] = (uint8_t)(x * 7 + y);
            q[1] = (uint8_t)(y * 13);
            q[2] = (uint8_t)(x ^ y);
        }
    return px;
}

}  // namespace

TEST(Png, ChecksumsMatchKnownValues)
{
    const uint8_t digits[] = "123456789";
    EXPECT_EQ(0xCBF43926u, CCPng_Crc32(digits, 9));
    EXPECT_EQ(0xCBF43926u, CCPng_Crc32(digits + 4, 5, CCPng_Crc32(digits, 4)));  // continued
    const uint8_t word[] = "Wikipedia";
    EXPECT_EQ(0x11E60398u, CCPng_Adler32(word, 9));
    // Long runs of 0xFF: the sums must be reduced before they overflow.
    std::vector<uint8_t> ff(100000, 0xFF);
    uint32_t a = 1, b = 0;
    for (uint8_t c : ff) a = (a + c) % 65521, b = (b + a) % 65521;
    EXPECT_EQ(b << 16 | a, CCPng_Adler32(ff.data(), ff.size()));
}

TEST(Png, ImagesDecodeToTheirPixels)
{
    // 1 x 1; an odd width with row padding; several blocks; data of exactly
    // one and two full blocks; the widest image.
    const int sizes[][3] = {{1, 1, 3},      {5, 3, 20},       {200, 120, 600},
                            {28, 771, 84},  {1456, 30, 4368}, {CCPNG_MAX_SIDE, 3, CCPNG_MAX_SIDE * 3}};
    for (const auto &s : sizes) {
        std::vector<uint8_t> px = Pattern(s[0], s[1], s[2]), png;
        ASSERT_TRUE(CCPng_Encode(s[0], s[1], px.data(), s[2], png)) << s[0] << "x" << s[1];
        Decoded d = Decode(png);
        ASSERT_EQ("", d.error) << s[0] << "x" << s[1];
        EXPECT_EQ((uint32_t)s[0], d.w);
        EXPECT_EQ((uint32_t)s[1], d.h);
        std::vector<uint8_t> tight;
        for (int y = 0; y < s[1]; y++)
            tight.insert(tight.end(), px.begin() + y * s[2], px.begin() + y * s[2] + s[0] * 3);
        EXPECT_TRUE(tight == d.rgb) << s[0] << "x" << s[1];
        size_t raw = ((size_t)s[0] * 3 + 1) * s[1];
        EXPECT_EQ((int)((raw + 65534) / 65535), d.blocks);
    }
}

TEST(Png, BadInputIsRefused)
{
    std::vector<uint8_t> px(64 * 3, 1), png(5, 9);
    EXPECT_FALSE(CCPng_Encode(1, 1, nullptr, 3, png));
    EXPECT_TRUE(png.empty());
    EXPECT_FALSE(CCPng_Encode(0, 1, px.data(), 3, png));
    EXPECT_FALSE(CCPng_Encode(1, -1, px.data(), 3, png));
    EXPECT_FALSE(CCPng_Encode(4, 1, px.data(), 11, png));  // stride shorter than a row
    EXPECT_FALSE(CCPng_Encode(CCPNG_MAX_SIDE + 1, 1, px.data(), 1u << 20, png));
    EXPECT_FALSE(CCPng_Encode(1, 0x7FFFFFFF, px.data(), 3, png));
    EXPECT_TRUE(png.empty());
    EXPECT_FALSE(CCPng_WriteFile(nullptr, 1, 1, px.data(), 3));
    EXPECT_FALSE(CCPng_WriteFile("no_such_dir\\x.png", 1, 1, px.data(), 3));
}

TEST(Png, WrittenFileHoldsTheEncoding)
{
    std::vector<uint8_t> px = Pattern(7, 4, 21), want;
    ASSERT_TRUE(CCPng_Encode(7, 4, px.data(), 21, want));
    const char *path = "png_test_out.png";
    ASSERT_TRUE(CCPng_WriteFile(path, 7, 4, px.data(), 21));
    FILE *f = fopen(path, "rb");
    ASSERT_NE(nullptr, f);
    std::vector<uint8_t> got(want.size() + 16);
    got.resize(fread(got.data(), 1, got.size(), f));
    fclose(f);
    remove(path);
    EXPECT_TRUE(want == got);
}

namespace {

LRESULT CALLBACK RedChild(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        RECT r;
        GetClientRect(hwnd, &r);
        FillRect(dc, &r, red);
        DeleteObject(red);
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

TEST(Capture, ClientAreaIncludesChildren)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = RedChild;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "CCTestRedChild";
    RegisterClassA(&wc);
    HWND parent = CCT_Parent();  // white background
    HWND child = CCT_Create(0, "", 30, 20, 40, 10, 1, parent, "CCTestRedChild");
    ASSERT_NE(nullptr, child);
    CCT_Repaint(parent);
    CCT_Repaint(child);

    std::vector<uint8_t> rgb;
    int w = -1, h = -1;
    ASSERT_TRUE(CCCapture_Client(parent, rgb, &w, &h));
    ASSERT_EQ(640, w);
    ASSERT_EQ(480, h);
    auto at = [&](int x, int y) {
        const uint8_t *p = &rgb[((size_t)y * w + x) * 3];
        return RGB(p[0], p[1], p[2]);
    };
    EXPECT_EQ(RGB(255, 0, 0), at(30, 20));
    EXPECT_EQ(RGB(255, 0, 0), at(69, 29));
    EXPECT_EQ(RGB(255, 255, 255), at(29, 20));
    EXPECT_EQ(RGB(255, 255, 255), at(70, 29));
    EXPECT_EQ(RGB(255, 255, 255), at(30, 30));

    // The PNG of the same window decodes to the same pixels.
    ASSERT_TRUE(CCCapture_ClientPng(parent, "capture_test_out.png"));
    FILE *f = fopen("capture_test_out.png", "rb");
    ASSERT_NE(nullptr, f);
    std::vector<uint8_t> file(2 << 20);
    file.resize(fread(file.data(), 1, file.size(), f));
    fclose(f);
    remove("capture_test_out.png");
    Decoded d = Decode(file);
    ASSERT_EQ("", d.error);
    EXPECT_TRUE(d.rgb == rgb);
    DestroyWindow(child);

    EXPECT_FALSE(CCCapture_Client(nullptr, rgb, &w, &h));
    EXPECT_TRUE(rgb.empty());
    EXPECT_EQ(0, w);
    EXPECT_FALSE(CCCapture_Client(child, rgb, &w, &h));  // destroyed
    EXPECT_FALSE(CCCapture_ClientPng(parent, "no_such_dir\\x.png"));
}
