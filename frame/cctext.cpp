// Pure text helpers: no Win32 calls.
#include "cctext.h"
#include <string.h>

int CCHexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

int CCScanOptions(const char *text, int digits[7], char raw[7])
{
    if (!text || text[0] != '/') return 0;
    // Positions are read in place; one past the end reads as '_' from then on.
    bool ended = false;
    for (int i = 1; i <= 6; i++) {
        if (!ended && text[i] == '\0') ended = true;
        char c = ended ? '_' : text[i];
        raw[i] = c;
        digits[i] = CCHexDigit(c);
    }
    raw[0] = '/';
    digits[0] = -1;
    return 1;
}

static bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

static int AnyHexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

uint32_t CCHexValue(const char *text)
{
    if (!text) return 0;
    const char *p = text;
    while (IsBlank(*p)) p++;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = (*p++ == '-');
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X') && AnyHexDigit(p[2]) >= 0) p += 2;
    uint32_t value = 0;
    bool any = false;
    for (int d; (d = AnyHexDigit(*p)) >= 0; p++) {
        value = (value << 4) | (uint32_t)d;  // wraps like the C library
        any = true;
    }
    if (!any) return 0;
    return negative ? (uint32_t)(0u - value) : value;
}

const char *CCFindField(const char *text, int index, size_t *len)
{
    if (len) *len = 0;
    if (!text || index < 0) return nullptr;
    const char *p = text;
    for (;;) {
        while (*p == '$') p++;
        if (*p == '\0') return nullptr;
        size_t n = 0;
        while (p[n] && p[n] != '$') n++;
        if (index-- == 0) {
            if (len) *len = n;
            return p;
        }
        p += n;
    }
}

static char s_firstField[299];

const char *CCFirstField(const char *text)
{
    // A result of the previous call passed back in is read before the buffer is reset.
    const char *given = text;
    char again[sizeof s_firstField];
    uintptr_t at = (uintptr_t)text, buf = (uintptr_t)s_firstField;
    if (text && at >= buf && at < buf + sizeof s_firstField) {
        CCCopyText(again, sizeof again, text);
        text = again;
    }
    s_firstField[0] = '\0';
    if (!text) return "";
    size_t n = 0;
    const char *field = CCFindField(text, 0, &n);
    if (!field) return given;
    if (n > sizeof s_firstField - 1) n = sizeof s_firstField - 1;
    memcpy(s_firstField, field, n);
    s_firstField[n] = '\0';
    return s_firstField;
}

static size_t Append(char *out, size_t size, size_t pos, const char *s)
{
    if (!s) s = "";
    while (*s && pos + 1 < size) out[pos++] = *s++;
    return pos;
}

size_t CCJoinFieldsText(int variant, char *out, size_t outSize, const char *old1,
                        const char *newText, const char *old2, const char *number)
{
    if (!out || outSize == 0) return 0;
    const char *a = variant == 0 ? newText : old1;
    const char *b = variant == 0 ? old2 : newText;
    size_t pos = 0;
    pos = Append(out, outSize, pos, a);
    pos = Append(out, outSize, pos, "$");
    pos = Append(out, outSize, pos, b);
    pos = Append(out, outSize, pos, "$");
    pos = Append(out, outSize, pos, number);
    out[pos] = '\0';
    return pos;
}

int CCSiblingNumber(const char *lowered)
{
    static const char prefix[] = "kerv_cc";
    if (!lowered) return -1;
    for (int i = 0; prefix[i]; i++)
        if (lowered[i] != prefix[i]) return -1;
    // "%02d": white space skipped, then at most two characters of sign and digits.
    const char *p = lowered + 7;
    while (IsBlank(*p)) p++;
    int width = 2;
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = (*p == '-');
        p++;
        width--;
    }
    int value = 0, digits = 0;
    while (width > 0 && *p >= '0' && *p <= '9') {
        value = value * 10 + (*p - '0');
        p++;
        width--;
        digits++;
    }
    if (digits == 0) return -1;
    return negative ? -value : value;
}

char *CCNextLine(char **cursor)
{
    char *p = *cursor;
    while (*p == '|') p++;
    if (!*p) {
        *cursor = p;
        return nullptr;
    }
    char *start = p;
    while (*p && *p != '|') p++;
    if (*p) *p++ = '\0';
    *cursor = p;
    return start;
}

void CCLowerAscii(char *s)
{
    if (!s) return;
    for (; *s; s++)
        if (*s >= 'A' && *s <= 'Z') *s = (char)(*s - 'A' + 'a');
}

int32_t CCParseInt32(const char *text)
{
    if (!text) return 0;
    const char *p = text;
    while (IsBlank(*p)) p++;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = (*p++ == '-');
    int64_t value = 0;
    for (; *p >= '0' && *p <= '9'; p++) {
        value = value * 10 + (*p - '0');
        if (value > 2147483648LL) value = 2147483648LL;  // saturate, clamped below
    }
    if (negative) value = -value;
    if (value > INT32_MAX) value = INT32_MAX;
    if (value < INT32_MIN) value = INT32_MIN;
    return (int32_t)value;
}

void CCCopyField(const char *text, int index, char *out, size_t size, const char *absent)
{
    size_t n = 0;
    const char *f = text ? CCFindField(text, index, &n) : nullptr;
    if (!f) {
        CCCopyText(out, size, absent);
        return;
    }
    CCCopyText(out, n < size ? n + 1 : size, f);
}

size_t CCCopyText(char *dst, size_t size, const char *src)
{
    if (!dst || size == 0) return 0;
    size_t n = 0;
    if (src)
        while (src[n] && n + 1 < size) {
            dst[n] = src[n];
            n++;
        }
    dst[n] = '\0';
    return n;
}

size_t CCNameAppend(char *out, size_t size, size_t len, const char *text, size_t n)
{
    if (!out || size == 0) return 0;
    if (len > size - 1) len = size - 1;
    out[len] = '\0';
    if (!text || !n || text[0] == '/') return len;
    size_t end = 0;
    while (end < n && text[end]) end++;
    size_t i = 0;
    while (i < end && (text[i] == ' ' || text[i] == '|')) i++;
    while (end > i && (text[end - 1] == ' ' || text[end - 1] == '|')) end--;
    if (i == end) return len;
    if (len > 0) {
        if (len + 1 >= size - 1) return len;  // no room for the space and a character
        out[len++] = ' ';
    }
    for (; i < end && len < size - 1; i++) {
        if (text[i] == '|') {
            if (out[len - 1] != ' ') out[len++] = ' ';
            continue;
        }
        out[len++] = text[i];
    }
    out[len] = '\0';
    return len;
}
