// Pure text helpers shared by both libraries: no Win32 calls, fixed-width types,
// so that they also build natively (fuzzing, sanitizers).
#ifndef CCTEXT_H
#define CCTEXT_H

#include <stddef.h>
#include <stdint.h>

// 0..9 for '0'..'9', 10..15 for 'A'..'F', -1 otherwise (lower case included).
int CCHexDigit(char c);

// Option text scan: when text[0] is '/', fills digits[1..6] with the hex value of
// positions 1 to 6 (-1 where not an upper-case hex digit; a position past the end
// reads as '_') and returns 1. Otherwise returns 0 and leaves digits alone.
// raw[1..6] receives the characters themselves (position past the end: '_').
int CCScanOptions(const char *text, int digits[7], char raw[7]);

// The text read as an unsigned hex number like the "%x" conversion: leading white
// space, optional sign, optional 0x prefix; 0 when no digit could be read.
uint32_t CCHexValue(const char *text);

// First '$' field of text copied into one library-wide buffer (at most 298
// characters); a text without a field (empty or only '$') is returned itself.
// The caller's text is never written.
const char *CCFirstField(const char *text);

// Field `index` (0 first) of a '$' text: a run of '$' is one separator and
// leading '$' are skipped, so no field is empty. Returns its start and length
// (*len), or null when the text has no such field. Nothing is written.
const char *CCFindField(const char *text, int index, size_t *len);

// Field `index` of a '$' text (as CCFindField) copied into out, bounded by size
// and terminated (size 0: nothing written); `absent` (may be null: empty) when
// the text has no such field.
void CCCopyField(const char *text, int index, char *out, size_t size, const char *absent);

// Writes "a$b$c" into out (bounded by outSize, always terminated when outSize > 0):
// variant 0 gives newText, old2, number; any other variant old1, newText, number.
// Returns the length written.
size_t CCJoinFieldsText(int variant, char *out, size_t outSize, const char *old1,
                        const char *newText, const char *old2, const char *number);

// Number of a sibling library from its lower-cased file name: the prefix "kerv_cc"
// followed by a decimal number of at most two digits ("%02d"); -1 when it does not match.
int CCSiblingNumber(const char *lowered);

// Next line of a label split at '|' in place: a run of '|' is one separator and
// leading '|' are skipped. Returns null when no token is left (*cursor then
// points at the terminating NUL).
char *CCNextLine(char **cursor);

// Lower-cases ASCII letters A-Z in place.
void CCLowerAscii(char *s);

// Decimal number with optional blanks and sign, trailing garbage ignored; values
// beyond the 32-bit range are clamped; 0 when no digit.
int32_t CCParseInt32(const char *text);

// Appends the first n characters of a shown text (stopping at a NUL) to the
// accessible name in out (length len, size bytes): a run of '|' line breaks
// reads as one space, spaces at either end are dropped, a text that begins
// with '/' (an option text) or holds nothing but blanks and breaks adds
// nothing, and texts are separated by one space. Cut to size - 1 characters,
// always terminated (size 0: nothing written). Returns the new length.
size_t CCNameAppend(char *out, size_t size, size_t len, const char *text, size_t n);

// Copies at most size-1 characters and terminates (size 0: nothing written).
// Returns the number of characters copied.
size_t CCCopyText(char *dst, size_t size, const char *src);

#endif
