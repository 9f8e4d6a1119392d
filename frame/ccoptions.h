// Option texts ('/' then up to six upper-case hex digits) read into the slot
// writes they stand for. Pure logic without Win32 (it also builds natively for
// fuzzing); CCParseOptions applies the result to a window.
#ifndef CCOPTIONS_H
#define CCOPTIONS_H

#include <stdint.h>

// Slot writes of one option text, in the order they are applied.
struct CCOptionWrites {
    int count;
    int slot[6];
    int32_t value[6];  // 0..15
};

// When text is an option text, fills *out and returns 1; otherwise returns 0
// and sets out->count to 0. slot3 is the window's slot 3 before the text: its
// low 4 bits (or those of position 6, when it is a digit) choose the pair that
// positions 3 and 4 fill.
int CCOptionParse(const char *text, int32_t slot3, CCOptionWrites *out);

// The special library's Font display (kind 6) takes a justification letter at
// position 1: 'R' sets style bit 0x80, 'L' clears it, 'N' clears 0x40, 'O'
// sets it. Returns the style with that change (unchanged for other texts).
uint32_t CCOptionJustifyStyle(const char *text, uint32_t style);

#endif
