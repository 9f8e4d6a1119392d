/* Control ids of the example panel. */
#define ID_TAKE 10
#define ID_MIC 11
#define ID_LEVEL 12
#define ID_CLOCK 20
#define ID_CUE 21
#define ID_UP 22
