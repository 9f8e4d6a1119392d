// Reads what a window shows on screen (its client area with every child
// window painted over it) and saves it as a PNG.
#ifndef CCCAPTURE_H
#define CCCAPTURE_H

#include <windows.h>
#include <cstdint>
#include <vector>

// Client area of hwnd as top-down rows of w * 3 bytes (R, G, B). Children are
// included: the pixels are read back from the window's DC after painting.
// False (rgb empty, w = h = 0) for a missing window or an empty client area.
bool CCCapture_Client(HWND hwnd, std::vector<uint8_t> &rgb, int *w, int *h);

// A 32-bit top-down DIB section of w x h pixels for dc (rows of w pixels,
// 0x00RRGGBB); its bits in *bits. Null when it cannot be made.
HBITMAP CCCapture_TopDownDib(HDC dc, int w, int h, void **bits);

// Paints every pending update of hwnd and its children, captures the client
// area and writes it as a PNG file.
bool CCCapture_ClientPng(HWND hwnd, const char *path);

#endif
