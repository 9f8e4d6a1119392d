// Fader arithmetic: signed, truncating, 64-bit intermediates clamped to 32 bits.
#include "fader_map.h"
#include <stdio.h>
#include "cctext.h"

const FaderRecord CC_FADER_DEFAULT = {50, 1, 100, 0};

static const int64_t LIMIT = (int64_t)1 << 62;

static int32_t Clamp32(int64_t v)
{
    if (v > INT32_MAX) return INT32_MAX;
    if (v < INT32_MIN) return INT32_MIN;
    return (int32_t)v;
}

static int64_t Clamp62(int64_t v) { return v > LIMIT ? LIMIT : v < -LIMIT ? -LIMIT : v; }

int64_t CCFader_MulDiv(int64_t a, int64_t b, int64_t c)
{
    if (c == 0) return 0;
    int64_t product;
    if (__builtin_mul_overflow(a, b, &product)) {
        // |a * b| >= 2^63: a quotient of the right sign and at least that size.
        bool negative = ((a < 0) != (b < 0)) != (c < 0);
        uint64_t mag = c < 0 ? (uint64_t)0 - (uint64_t)c : (uint64_t)c;
        // c is not 0 here, so neither is mag.
        // cppcheck-suppress zerodivcond
        uint64_t q = ((uint64_t)1 << 63) / mag;
        int64_t big = q > (uint64_t)INT64_MAX ? INT64_MAX : (int64_t)q;
        return Clamp62(negative ? -big : big);
    }
    if (c == -1) return Clamp62(product == INT64_MIN ? INT64_MAX : -product);
    return Clamp62(product / c);
}

int CCFader_Point(FaderRecord *r, int32_t length, int32_t c, int minAtFar)
{
    if (!r || length <= 0) return 0;
    int64_t range = (int64_t)r->maximum - r->minimum;
    int64_t q = CCFader_MulDiv(range, (int64_t)length - c, length);
    r->value = Clamp32(minAtFar ? r->minimum + q : r->maximum - q);
    r->position = c;
    return 1;
}

int CCFader_Knob(FaderRecord *r, int32_t length, int minAtFar)
{
    if (!r || r->maximum == r->minimum) return 0;
    int64_t range = (int64_t)r->maximum - r->minimum;
    int64_t q = CCFader_MulDiv((int64_t)r->value - r->minimum, length, range);
    r->position = Clamp32(minAtFar ? (int64_t)length - 1 - q : q);
    return 1;
}

void CCFader_SetNumber(FaderRecord *r, int variant, const char *text, int32_t length, int minAtFar)
{
    if (!r) return;
    int32_t n = CCParseInt32(text ? text : "");
    if (variant == CC_FADER_VALUE) r->value = n;
    else if (variant == CC_FADER_MINIMUM) r->minimum = n;
    else if (variant == CC_FADER_MAXIMUM) r->maximum = n;
    CCFader_Knob(r, length, minAtFar);
}

size_t CCFader_GetText(const FaderRecord *r, int variant, char *buf, size_t size)
{
    if (!r || !buf || size == 0) return 0;
    int32_t n;
    if (variant == CC_FADER_VALUE) n = r->value;
    else if (variant == CC_FADER_MINIMUM) n = r->minimum;
    else if (variant == CC_FADER_MAXIMUM) n = r->maximum;
    else {
        size_t len = 0;
        while (len < size && buf[len]) len++;
        return len < size ? len : 0;
    }
    char text[16];
    snprintf(text, sizeof text, "%d", (int)n);
    return CCCopyText(buf, size, text);
}
