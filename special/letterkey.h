// Font buttons (kinds 1, 5 and 7): the font a label is drawn in, read from the
// aux field of the window text.
#ifndef S09_LETTERKEY_H
#define S09_LETTERKEY_H

// Longest face name handed to the font factory.
#define CCFONT_FACE_MAX 31
// Point size when the aux field gives none (or 0 or a negative size), and the
// largest size drawn.
#define CCFONT_DEFAULT_POINTS 8
#define CCFONT_MAX_POINTS 200

// Reads an aux field "face,size": the face is the text up to the first ','
// (cut to CCFONT_FACE_MAX characters; " " means Arial), the size the decimal
// number of the first blank-separated token after it. A null field gives an
// empty face. Returns the size in points, clamped to 1..CCFONT_MAX_POINTS.
int CCfont_ParseAux(const char *aux, char face[CCFONT_FACE_MAX + 1]);
// The same with the size taken when none (or 0 or a negative size) is given.
int CCfont_ParseFaceSize(const char *aux, char face[CCFONT_FACE_MAX + 1], int fallbackPoints);

#endif
