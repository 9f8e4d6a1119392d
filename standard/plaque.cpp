// Ident Text plaque: face, bands and the black lines between them.
//
// The bands are filled exactly as a border flood fill fills them (4-connected,
// up to black), but the fill reads a one-bit copy of the plaque's lines and
// works row by row from a work list on the heap, so that no plaque, however
// tall, needs a recursion per row. The rows between the top and bottom bands
// all look alike, as do the columns between the side bands: the copy keeps one
// of each, so it stays small at any size, and every run filled in the copy is
// painted over the rows and columns it stands for.
#include "ccdraw.h"
#include "ccguards.h"
#include "text.h"

namespace {

// Outer and inner rectangle in the DC's pen and brush.
void Rects(HDC dc, int W, int H, const CCIdGeometry &g)
{
    Rectangle(dc, 0, 0, W, H);
    Rectangle(dc, g.bx, g.by, W - g.bx, H - g.by);
}

// The four corner lines in the DC's pen (end points exclusive).
void CornerLines(HDC dc, int W, int H, const CCIdGeometry &g)
{
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, g.bx, g.by);
    MoveToEx(dc, W, 0, nullptr);
    LineTo(dc, W - g.bx, g.by);
    MoveToEx(dc, g.bx, H - g.by, nullptr);
    LineTo(dc, 0, H);
    MoveToEx(dc, W - g.bx, H - g.by, nullptr);
    LineTo(dc, W, H);
}

// One axis of the copy. The lines lie within `band` + 1 cells of either end;
// when more than kRepeatMin cells lie between, they are kept as one cell.
const int kRepeatMin = 1024;
// Largest copy in bytes.
const long long kCopyMax = 1 << 26;

struct Axis {
    int n;        // cells of the plaque
    int keep;     // cells kept at each end when squeezed
    bool squeezed;
    int Cells() const { return squeezed ? 2 * keep + 1 : n; }
    // Cell of the copy for a plaque coordinate in [0, n).
    int ToCopy(int v) const
    {
        if (!squeezed || v < keep) return v;
        return v < n - keep ? keep : v - (n - keep) + keep + 1;
    }
    // First and last plaque coordinate a cell of the copy stands for.
    int First(int c) const { return !squeezed || c <= keep ? c : c - keep - 1 + n - keep; }
    int Last(int c) const { return squeezed && c == keep ? n - keep - 1 : First(c); }
};

Axis MakeAxis(int n, int band)
{
    Axis a = {n, band + 1, false};
    a.squeezed = n - 2 * a.keep > kRepeatMin;
    return a;
}

// Growable array on the process heap; Push fails (false) when memory runs out.
template <typename T> struct HeapArray {
    T *p = nullptr;
    int n = 0, cap = 0;
    HeapArray() = default;
    HeapArray(const HeapArray &) = delete;
    HeapArray &operator=(const HeapArray &) = delete;
    ~HeapArray()
    {
        if (p) HeapFree(GetProcessHeap(), 0, p);
    }
    bool Push(const T &v)
    {
        if (n == cap) {
            if (cap >= (1 << 26)) return false;
            int more = cap ? cap * 2 : 64;
            SIZE_T bytes = (SIZE_T)more * sizeof(T);
            void *q = p ? HeapReAlloc(GetProcessHeap(), 0, p, bytes) : HeapAlloc(GetProcessHeap(), 0, bytes);
            if (!q) return false;
            p = (T *)q;
            cap = more;
        }
        p[n++] = v;
        return true;
    }
};

// A run of cells [l, r] of row y.
struct Run {
    int y, l, r;
};
// Row y's cells [l, r] are taken; row y + dy is still to be looked at.
struct Seg {
    int y, l, r, dy;
};

// One-bit copy of the plaque's lines, read out of a monochrome bitmap into
// heap memory: set bits (white) may be filled, clear bits (black) are lines.
struct Copy {
    Axis ax, ay;
    BYTE *bits = nullptr;
    int stride = 0;  // bytes per row (rows of a monochrome bitmap end on a word)

    // `target`: where the plaque was drawn; `face`: its face colour.
    Copy(HDC target, int W, int H, const CCIdGeometry &g, LONG face) : ax(MakeAxis(W, g.bx)), ay(MakeAxis(H, g.by))
    {
        int w = ax.Cells(), h = ay.Cells();
        stride = (w + 15) / 16 * 2;
        // Even squeezed, a plaque millions of pixels wide and high would need
        // an absurd copy: such a plaque keeps its bands in the face colour.
        if ((long long)stride * h > kCopyMax) return;
        LONG size = (LONG)stride * h;
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP bmp = CreateBitmap(w, h, 1, 1, nullptr);
        HGDIOBJ prev = dc && bmp ? SelectObject(dc, bmp) : nullptr;
        if (prev) {
            Draw(dc, W, H, g, (face & 0xF) == 0);
            SelectObject(dc, prev);
            bits = (BYTE *)HeapAlloc(GetProcessHeap(), 0, size);
            if (bits && GetBitmapBits(bmp, size, bits) != size) {
                HeapFree(GetProcessHeap(), 0, bits);
                bits = nullptr;
            }
        }
        if (bmp) DeleteObject(bmp);
        if (dc) DeleteDC(dc);
        // A 1 x 1 rectangle draws nothing: the fills meet what was there before.
        if (bits && W == 1 && H == 1) Mark(0, 0, 0, GetPixel(target, 0, 0) != RGB(0, 0, 0));
    }
    ~Copy()
    {
        if (bits) HeapFree(GetProcessHeap(), 0, bits);
    }
    Copy(const Copy &) = delete;
    Copy &operator=(const Copy &) = delete;
    bool ok() const { return bits != nullptr; }

    // The plaque's lines; on a squeezed axis drawn once per piece of the copy
    // (both ends and the one cell for the middle), shifted to its place and
    // clipped to it.
    void Draw(HDC dc, int W, int H, const CCIdGeometry &g, bool blackFace)
    {
        HGDIOBJ prevBrush = SelectObject(dc, GetStockObject(blackFace ? BLACK_BRUSH : WHITE_BRUSH));
        HGDIOBJ prevPen = SelectObject(dc, GetStockObject(BLACK_PEN));
        int xs = ax.squeezed ? 3 : 1, ys = ay.squeezed ? 3 : 1;
        int xc[3] = {0, ax.keep, ax.keep + 1}, yc[3] = {0, ay.keep, ay.keep + 1};
        int xw[3] = {ax.keep, 1, ax.keep}, yh[3] = {ay.keep, 1, ay.keep};
        for (int j = 0; j < ys; j++)
            for (int i = 0; i < xs; i++) {
                int px = ax.First(xc[i]), py = ay.First(yc[j]);
                bool piece = xs * ys > 1;
                if (piece) {
                    SetViewportOrgEx(dc, xc[i] - px, yc[j] - py, nullptr);
                    IntersectClipRect(dc, px, py, px + (ax.squeezed ? xw[i] : W), py + (ay.squeezed ? yh[j] : H));
                }
                Rects(dc, W, H, g);
                CornerLines(dc, W, H, g);
                if (piece) SelectClipRgn(dc, nullptr);
            }
        SetViewportOrgEx(dc, 0, 0, nullptr);
        SelectObject(dc, prevPen);
        SelectObject(dc, prevBrush);
    }

    bool Open(int x, int y) const { return bits[(size_t)y * stride + (x >> 3)] & (0x80 >> (x & 7)); }
    void Mark(int y, int l, int r, bool open)
    {
        BYTE *row = bits + (size_t)y * stride;
        for (int x = l; x <= r; x++) {
            if (open) row[x >> 3] |= (BYTE)(0x80 >> (x & 7));
            else row[x >> 3] &= (BYTE)~(0x80 >> (x & 7));
        }
    }
    // The open run of row y through x, closed and recorded.
    bool Take(int x, int y, HeapArray<Run> *runs, Run *run)
    {
        int l = x, r = x, w = ax.Cells();
        while (l > 0 && Open(l - 1, y)) l--;
        while (r + 1 < w && Open(r + 1, y)) r++;
        Mark(y, l, r, false);
        *run = {y, l, r};
        return runs->Push(*run);
    }

    // Every open cell 4-connected to the seed cell, as runs (closed while the
    // fill goes on); false when memory ran out.
    bool Fill(int sx, int sy, HeapArray<Run> *runs, HeapArray<Seg> *work)
    {
        int w = ax.Cells(), h = ay.Cells();
        work->n = 0;
        if (!Open(sx, sy)) return true;
        Run run;
        if (!Take(sx, sy, runs, &run)) return false;
        if (!work->Push({sy, run.l, run.r, -1}) || !work->Push({sy, run.l, run.r, 1})) return false;
        while (work->n > 0) {
            Seg s = work->p[--work->n];
            int y = s.y + s.dy;
            if (y < 0 || y >= h) continue;
            for (int x = s.l; x <= s.r && x < w; x++) {
                if (!Open(x, y)) continue;
                if (!Take(x, y, runs, &run)) return false;
                if (!work->Push({y, run.l, run.r, s.dy})) return false;
                // Where the run reaches past the row it came from, look back there.
                if (run.l < s.l && !work->Push({y, run.l, s.l - 1, -s.dy})) return false;
                if (run.r > s.r && !work->Push({y, s.r + 1, run.r, -s.dy})) return false;
                x = run.r + 1;
            }
        }
        return true;
    }
};

// Paints the runs over the plaque cells they stand for, rows of equal runs
// as one rectangle.
void PaintRuns(HDC dc, const Copy &c, const HeapArray<Run> &runs)
{
    RECT open = {0, 0, 0, 0};
    for (int i = 0; i <= runs.n; i++) {
        RECT r = {0, 0, 0, 0};
        if (i < runs.n) {
            const Run &u = runs.p[i];
            r = {c.ax.First(u.l), c.ay.First(u.y), c.ax.Last(u.r) + 1, c.ay.Last(u.y) + 1};
            if (r.left == open.left && r.right == open.right) {
                if (r.top == open.bottom) {
                    open.bottom = r.bottom;
                    continue;
                }
                if (r.bottom == open.top) {
                    open.top = r.top;
                    continue;
                }
            }
        }
        if (open.right > open.left)
            PatBlt(dc, open.left, open.top, open.right - open.left, open.bottom - open.top, PATCOPY);
        open = r;
    }
}

// Fills the band around the seed (a plaque coordinate) with a brush of the
// colour, like a border flood fill up to black; outside the plaque or on
// black nothing is filled.
void FillBand(HDC dc, Copy &c, HeapArray<Run> *runs, HeapArray<Seg> *work, LONG colour, int x, int y)
{
    if (x < 0 || y < 0 || x >= c.ax.n || y >= c.ay.n) return;
    runs->n = 0;
    bool whole = c.Fill(c.ax.ToCopy(x), c.ay.ToCopy(y), runs, work);
    if (whole) {
        CCSelect brush(dc, CCDraw_Brush(colour));
        PaintRuns(dc, c, *runs);
    }
    // Open again for the next band (a border fill sees the lines only).
    for (int i = 0; i < runs->n; i++) c.Mark(runs->p[i].y, runs->p[i].l, runs->p[i].r, true);
}

}  // namespace

void CCid_DrawPlaque(HDC dc, int W, int H, LONG face)
{
    if (W <= 0 || H <= 0) return;
    CCIdGeometry g = CCid_Geometry(W, H);
    {
        CCSelect brush(dc, CCDraw_Brush(face));
        Rects(dc, W, H, g);
    }
    {
        CCSelect pen(dc, CCDraw_Pen(0));
        CornerLines(dc, W, H, g);
    }
    Copy c(dc, W, H, g, face);
    if (!c.ok()) return;
    HeapArray<Run> runs;
    HeapArray<Seg> work;
    // Lit from the top right: top and right bands white, bottom and left dark grey.
    FillBand(dc, c, &runs, &work, 15, W / 2, g.by / 2);
    FillBand(dc, c, &runs, &work, 15, W - g.bx / 2, H / 2);
    FillBand(dc, c, &runs, &work, 7, W / 2, H - 1 - g.by / 2);
    FillBand(dc, c, &runs, &work, 7, g.bx / 2, H / 2);
}
