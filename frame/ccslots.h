// Per-window slot block, option texts and field helpers shared by both libraries.
#ifndef CCSLOTS_H
#define CCSLOTS_H

#include <windows.h>
#include "cctext.h"

#define CC_SLOT_COUNT 128

// Slots that hold a memory handle (13: fader, Dest and Multi record; 20: Combo
// BMP picture). On 64-bit builds the whole handle is kept in a pointer-wide word
// after the numbered slots and the numbered slot only tells whether there is
// one (non-zero); on 32-bit builds the numbered slot holds the handle itself.
#define CC_SLOT_RECORD 13
#define CC_SLOT_PICTURE 20
#ifdef _WIN64
#define CC_WIDE_COUNT 2
#else
#define CC_WIDE_COUNT 0
#endif

// Slot accessors: a missing block is created zero-filled on first access.
// A null window, an index outside 0..127 or a block that cannot be made read 0
// and drop writes. CCSetSlot returns the block's address (see CCHandleSlotValue),
// 0 when the value was not stored.
LONG CCSetSlot(HWND hwnd, int index, LONG value);
LONG CCGetSlot(HWND hwnd, int index);
// The slot block for reading several slots with one look-up (each CCGetSlot
// looks the block up again). Created on first access like CCGetSlot; where it
// cannot be had, a block of zeros. It shows later CCSetSlot writes and stays
// valid while the window exists: take it afresh in each routine.
const LONG *CCSlotView(HWND hwnd);
// Memory handle kept in slot CC_SLOT_RECORD or CC_SLOT_PICTURE (any other index:
// null, writes dropped), never cut to 32 bits.
HGLOBAL CCGetHandleSlot(HWND hwnd, int index);
void CCSetHandleSlot(HWND hwnd, int index, HGLOBAL value);
// What the numbered slot shows for a handle: the handle on 32-bit builds, on
// 64-bit its low 32 bits, or 1 where those are 0 and the handle is not.
LONG CCHandleSlotValue(HGLOBAL value);

// Releases the window's slot block and clears extra word 0.
void CCFreeSlots(HWND hwnd);

// Slot 19 with 3 read as 0; null window 0.
int CCGetJustify(HWND hwnd);

// Applies an option text ('/' then up to six upper-case hex digits) to the
// window's slots; 1 if it was one, 0 otherwise.
int CCParseOptions(HWND hwnd, const char *text);

// Three-field text in which newText replaces the field visible for the window's
// variant (low 4 bits of slot 3); bounded by outSize.
size_t CCJoinFields(HWND hwnd, char *out, size_t outSize, const char *oldFirst,
                    const char *newText, const char *oldSecond, const char *number);

// WM_COMMAND to the parent: wParam = the control's id, lParam = its handle.
void CCNotify(HWND hwnd);

// Reads the window text with default processing into buf (size > 0).
int CCReadText(HWND hwnd, char *buf, int size);

#endif
