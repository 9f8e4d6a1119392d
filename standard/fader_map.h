// Fader record and its arithmetic: pointer to value, value to knob, numbers as
// text. No Win32 calls, so the arithmetic can be checked on its own.
#ifndef FADER_MAP_H
#define FADER_MAP_H

#include <stddef.h>
#include <stdint.h>

// The record a fader keeps in its global memory block (16 bytes).
struct FaderRecord {
    int32_t value;
    int32_t minimum;
    int32_t maximum;
    int32_t position;  // knob line in client pixels along the fader
};

// Record of a new fader, and of a fader that has no block.
extern const FaderRecord CC_FADER_DEFAULT;

// Variants of the text a fader takes and gives.
enum { CC_FADER_VALUE = 0, CC_FADER_MINIMUM = 1, CC_FADER_MAXIMUM = 2 };

// a * b / c truncated toward zero and kept within +-2^62; c = 0 gives 0. When
// a * b itself does not fit in 64 bits the result has the right sign and is at
// least 2^63 / |c| in size (enough for every caller to clamp it to 32 bits).
int64_t CCFader_MulDiv(int64_t a, int64_t b, int64_t c);

// Pointer at coordinate c of a fader `length` pixels long: position = c and the
// value follows it. minAtFar: the minimum lies at the far end (the bottom of a
// vertical fader), else at the near end (the left of a horizontal one). A length
// of 0 or less leaves the record as it was. Returns 1 if it was mapped.
int CCFader_Point(FaderRecord *r, int32_t length, int32_t c, int minAtFar);

// Knob position for the record's value; left as it was (result 0) when maximum
// equals minimum. Returns 1 if the position was computed.
int CCFader_Knob(FaderRecord *r, int32_t length, int minAtFar);

// Assigns the number in text (CCParseInt32) to value, minimum or maximum by
// variant (others assign nothing), then moves the knob where it can be computed.
void CCFader_SetNumber(FaderRecord *r, int variant, const char *text, int32_t length, int minAtFar);

// Text of the field chosen by variant, "%d", copied into buf (at most size - 1
// characters, terminated); returns its length. Other variants write nothing and
// answer the length of the string buf holds within size (0 without a terminator).
size_t CCFader_GetText(const FaderRecord *r, int variant, char *buf, size_t size);

#endif
