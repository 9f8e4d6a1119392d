// Fader arithmetic on any record, length, pointer and text: no overflow
// (UndefinedBehaviorSanitizer), a * b / c exact where the product fits and
// of the right sign and size where not, values that follow the pointer stay between the ends, texts
// written into exactly sized buffers.
#include <stdlib.h>
#include <string.h>
#include <string>
#include <vector>
#include "fader_map.h"

template <typename T> static T Take(const uint8_t *&d, size_t &n)
{
    T v{};
    if (n >= sizeof v) {
        memcpy(&v, d, sizeof v);
        d += sizeof v;
        n -= sizeof v;
    }
    return v;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    int64_t a = Take<int64_t>(data, size), b = Take<int64_t>(data, size), c = Take<int64_t>(data, size);
    int64_t q = CCFader_MulDiv(a, b, c);
    const int64_t lim = (int64_t)1 << 62;
    if (q > lim || q < -lim) abort();
    __int128 exact = (__int128)a * b;
    if (c == 0 && q != 0) abort();
    bool fits = exact <= INT64_MAX && exact >= INT64_MIN;
    if (c != 0 && fits && exact / c <= lim && exact / c >= -lim && q != (int64_t)(exact / c)) abort();
    if (c != 0 && !fits) {  // the right sign, and at least 2^63 / |c| (or the clamp)
        __int128 least = ((__int128)1 << 63) / (c < 0 ? -(__int128)c : (__int128)c);
        if (least > lim) least = lim;
        if (((exact < 0) != (c < 0)) != (q < 0) || (q < 0 ? -(__int128)q : (__int128)q) < least) abort();
    }

    FaderRecord r = Take<FaderRecord>(data, size);
    int32_t length = Take<int32_t>(data, size), at = Take<int32_t>(data, size);
    uint8_t mode = Take<uint8_t>(data, size);
    FaderRecord before = r;
    if (CCFader_Point(&r, length, at, mode & 1)) {
        int32_t lo = r.minimum < r.maximum ? r.minimum : r.maximum;
        int32_t hi = r.minimum < r.maximum ? r.maximum : r.minimum;
        if (at >= 0 && at <= length && (r.value < lo || r.value > hi)) abort();
    } else if (memcmp(&r, &before, sizeof r) != 0) {
        abort();
    }
    std::string text((const char *)data, size);
    CCFader_SetNumber(&r, mode >> 1 & 3, text.c_str(), length, mode & 1);
    CCFader_Knob(&r, length, mode >> 3 & 1);

    size_t bufSize = mode >> 4;  // 0..15: "-2147483648" needs 12
    std::vector<char> buf(bufSize ? bufSize : 1, 'x');
    size_t n = CCFader_GetText(&r, mode >> 1 & 3, bufSize ? buf.data() : nullptr, bufSize);
    if (bufSize && n >= bufSize) abort();
    return 0;
}
