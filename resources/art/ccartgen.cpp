// Turns a text pixel-art file into a Windows picture for the resource compiler:
//   ccartgen <art.txt> <out.bmp|out.cur>
// Runs on the build host (plain C++, no Win32). The art format is described in
// README.md beside this file.
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// The library's 16 colours as R, G, B (index 0 black to 15 white).
static const uint8_t kPalette[16][3] = {
    {0x00, 0x00, 0x00}, {0x80, 0x00, 0x00}, {0x00, 0x80, 0x00}, {0x80, 0x80, 0x00},
    {0x00, 0x00, 0x80}, {0x80, 0x00, 0x80}, {0x00, 0x80, 0x80}, {0x80, 0x80, 0x80},
    {0xC0, 0xC0, 0xC0}, {0xFF, 0x00, 0x00}, {0x00, 0xFF, 0x00}, {0xFF, 0xFF, 0x00},
    {0x00, 0x00, 0xFF}, {0xFF, 0x00, 0xFF}, {0x00, 0xFF, 0xFF}, {0xFF, 0xFF, 0xFF},
};

struct Art {
    bool cursor = false;
    int w = 0, h = 0, hotX = 0, hotY = 0;
    std::vector<std::string> rows;
};

static std::string s_file;

[[noreturn]] static void Fail(int line, const std::string &why)
{
    if (line > 0)
        fprintf(stderr, "%s:%d: %s\n", s_file.c_str(), line, why.c_str());
    else
        fprintf(stderr, "%s: %s\n", s_file.c_str(), why.c_str());
    exit(1);
}

static bool Parse(const char *path, Art &art)
{
    std::ifstream in(path);
    if (!in) Fail(0, "cannot read");
    std::string line;
    int n = 0;
    bool header = false;
    while (std::getline(in, line)) {
        n++;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!header) {
            // Comments and blank lines only before the header; after it every line is a row.
            if (line.empty() || line[0] == '#') continue;
            std::istringstream hs(line);
            std::string kind, hot;
            hs >> kind >> art.w >> art.h;
            if (!hs) Fail(n, "expected 'bitmap W H' or 'cursor W H hotspot X Y'");
            if (kind == "cursor") {
                art.cursor = true;
                if (!(hs >> hot >> art.hotX >> art.hotY) || hot != "hotspot") Fail(n, "cursor needs 'hotspot X Y'");
            } else if (kind != "bitmap") {
                Fail(n, "unknown picture kind '" + kind + "'");
            }
            if (art.w < 1 || art.w > 256 || art.h < 1 || art.h > 256) Fail(n, "size must be 1..256");
            if (art.cursor && (art.hotX < 0 || art.hotX >= art.w || art.hotY < 0 || art.hotY >= art.h))
                Fail(n, "hotspot outside the picture");
            header = true;
            continue;
        }
        if ((int)line.size() != art.w) Fail(n, "row has " + std::to_string(line.size()) + " pixels, expected " +
                                                  std::to_string(art.w));
        for (char c : line) {
            bool ok = art.cursor ? strchr(".#o~", c) != nullptr
                                 : (c == '.' || isxdigit((unsigned char)c));
            if (!ok) Fail(n, std::string("bad pixel '") + c + "'");
        }
        if ((int)art.rows.size() == art.h) Fail(n, "more rows than the height");
        art.rows.push_back(line);
    }
    if (!header) Fail(0, "no header");
    if ((int)art.rows.size() != art.h) Fail(0, "fewer rows than the height");
    return true;
}

static void Put16(std::vector<uint8_t> &b, unsigned v)
{
    b.push_back(v & 0xFF);
    b.push_back((v >> 8) & 0xFF);
}
static void Put32(std::vector<uint8_t> &b, uint32_t v)
{
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

static int Index(char c)
{
    if (c == '.') return 8;  // light grey, the toolbox background
    if (c >= '0' && c <= '9') return c - '0';
    return toupper((unsigned char)c) - 'A' + 10;
}

// BITMAPINFOHEADER for a bottom-up picture.
static void InfoHeader(std::vector<uint8_t> &b, int w, int h, int bits, uint32_t imageSize, int colours)
{
    Put32(b, 40);
    Put32(b, (uint32_t)w);
    Put32(b, (uint32_t)h);
    Put16(b, 1);
    Put16(b, (unsigned)bits);
    Put32(b, 0);  // BI_RGB
    Put32(b, imageSize);
    Put32(b, 0);
    Put32(b, 0);
    Put32(b, (uint32_t)colours);
    Put32(b, 0);
}

// 4 bits per pixel with the 16 colours, as a .bmp file.
static std::vector<uint8_t> Bitmap(const Art &art)
{
    int stride = ((art.w * 4 + 31) / 32) * 4;
    uint32_t image = (uint32_t)(stride * art.h);
    uint32_t offset = 14 + 40 + 16 * 4;
    std::vector<uint8_t> b;
    b.push_back('B');
    b.push_back('M');
    Put32(b, offset + image);
    Put32(b, 0);
    Put32(b, offset);
    InfoHeader(b, art.w, art.h, 4, image, 16);
    for (auto &c : kPalette) {
        b.push_back(c[2]);
        b.push_back(c[1]);
        b.push_back(c[0]);
        b.push_back(0);
    }
    for (int y = art.h - 1; y >= 0; y--) {
        std::vector<uint8_t> row((size_t)stride, 0);
        for (int x = 0; x < art.w; x++)
            row[(size_t)x / 2] |= (uint8_t)(Index(art.rows[(size_t)y][(size_t)x]) << (x % 2 ? 0 : 4));
        b.insert(b.end(), row.begin(), row.end());
    }
    return b;
}

// Monochrome cursor: '.' transparent, '#' black, 'o' white, '~' inverted screen.
static std::vector<uint8_t> Cursor(const Art &art)
{
    int stride = ((art.w + 31) / 32) * 4;
    uint32_t mask = (uint32_t)(stride * art.h);
    uint32_t bytes = 40 + 2 * 4 + 2 * mask;
    std::vector<uint8_t> b;
    Put16(b, 0);
    Put16(b, 2);  // cursor
    Put16(b, 1);
    b.push_back((uint8_t)(art.w & 0xFF));
    b.push_back((uint8_t)(art.h & 0xFF));
    b.push_back(0);
    b.push_back(0);
    Put16(b, (unsigned)art.hotX);
    Put16(b, (unsigned)art.hotY);
    Put32(b, bytes);
    Put32(b, 6 + 16);
    InfoHeader(b, art.w, art.h * 2, 1, 2 * mask, 2);
    Put32(b, 0x000000);
    Put32(b, 0xFFFFFF);
    std::vector<uint8_t> xorBits, andBits;
    for (int y = art.h - 1; y >= 0; y--) {
        std::vector<uint8_t> x1((size_t)stride, 0), a1((size_t)stride, 0);
        for (int x = 0; x < art.w; x++) {
            char c = art.rows[(size_t)y][(size_t)x];
            uint8_t bit = (uint8_t)(0x80 >> (x % 8));
            if (c == 'o' || c == '~') x1[(size_t)x / 8] |= bit;
            if (c == '.' || c == '~') a1[(size_t)x / 8] |= bit;
        }
        xorBits.insert(xorBits.end(), x1.begin(), x1.end());
        andBits.insert(andBits.end(), a1.begin(), a1.end());
    }
    b.insert(b.end(), xorBits.begin(), xorBits.end());
    b.insert(b.end(), andBits.begin(), andBits.end());
    return b;
}

int main(int argc, char **argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: ccartgen <art.txt> <out.bmp|out.cur>\n");
        return 2;
    }
    s_file = argv[1];
    Art art;
    Parse(argv[1], art);
    std::string out = argv[2];
    bool wantCursor = out.size() >= 4 && out.compare(out.size() - 4, 4, ".cur") == 0;
    if (wantCursor != art.cursor) Fail(0, "picture kind does not match the output name " + out);
    std::vector<uint8_t> data = art.cursor ? Cursor(art) : Bitmap(art);
    FILE *f = fopen(argv[2], "wb");
    if (!f || fwrite(data.data(), 1, data.size(), f) != data.size() || fclose(f) != 0) {
        fprintf(stderr, "%s: cannot write\n", argv[2]);
        return 1;
    }
    return 0;
}
