// '$' fields, '|' lines, bounded copies, field copies, joins and names: every result points into
// the text it came from, every write stays inside its buffer, the text given
// is never changed.
#include <stdlib.h>
#include <string.h>
#include <string>
#include <vector>
#include "cctext.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2) return 0;
    size_t outSize = data[0] | (size_t)(data[1] & 1) << 8;  // 0..511
    int variant = data[1] >> 1 & 0xF;
    std::string s((const char *)data + 2, size - 2);
    const char *t = s.c_str();
    size_t len = strlen(t);
    std::string before(t, len);

    // Fields: inside the text, no '$' in them, none empty.
    for (int i = -1; i < 8; i++) {
        size_t n = 99;
        const char *f = CCFindField(t, i, &n);
        if (!f) {
            if (n != 0) abort();
            continue;
        }
        if (f < t || f + n > t + len || n == 0 || memchr(f, '$', n)) abort();
    }
    // Each field copied into an exact heap buffer: cut, terminated, its prefix.
    for (int i = 0; i < 4; i++) {
        std::vector<char> field(outSize ? outSize : 1, '#');
        CCCopyField(t, i, outSize ? field.data() : nullptr, outSize, i == 3 ? nullptr : "abs");
        if (!outSize) continue;
        size_t n = 0;
        const char *f = CCFindField(t, i, &n);
        size_t got = strnlen(field.data(), outSize);
        if (got == outSize) abort();
        if (f && (got != (n < outSize ? n : outSize - 1) || memcmp(field.data(), f, got) != 0)) abort();
    }
    const char *first = CCFirstField(t);
    if (strlen(first) > 298) abort();
    if (strchr(first, '$') && first != t) abort();
    (void)CCFirstField(first);  // its own result passed back in

    // Join into an exact heap buffer: ASan catches a write past it.
    std::vector<char> out(outSize ? outSize : 1);
    size_t mid = len / 2;
    std::string a(t, mid), b(t + mid);
    size_t n = CCJoinFieldsText(variant, outSize ? out.data() : nullptr, outSize, a.c_str(), b.c_str(), t, "1f");
    if (outSize && (n >= outSize || out[n] != '\0' || strlen(out.data()) != n)) abort();
    if (!outSize && n != 0) abort();

    std::vector<char> copy(outSize ? outSize : 1);
    n = CCCopyText(outSize ? copy.data() : nullptr, outSize, t);
    if (outSize && (n >= outSize || memcmp(copy.data(), t, n) != 0 || copy[n] != '\0')) abort();

    // Lines split in place on a heap copy of exactly the text's size.
    std::vector<char> lines(t, t + len + 1);
    char *cursor = lines.data();
    size_t count = 0;
    while (char *line = CCNextLine(&cursor)) {
        if (!*line || strchr(line, '|') || ++count > len) abort();
    }
    if (*cursor != '\0') abort();

    // Accessible names: the text twice onto an exact buffer, never past it,
    // no '|' and no space first.
    std::vector<char> name(outSize ? outSize : 1, '#');
    size_t nl = CCNameAppend(outSize ? name.data() : nullptr, outSize, 0, "", 0);
    nl = CCNameAppend(outSize ? name.data() : nullptr, outSize, nl, t, len);
    nl = CCNameAppend(outSize ? name.data() : nullptr, outSize, nl, t + mid, len - mid);
    if (outSize && (nl >= outSize || strlen(name.data()) != nl || memchr(name.data(), '|', nl) ||
                    (nl && name[0] == ' ')))
        abort();
    if (!outSize && nl != 0) abort();

    std::vector<char> lower(t, t + len + 1);
    CCLowerAscii(lower.data());
    for (size_t i = 0; i < len; i++)
        if (lower[i] >= 'A' && lower[i] <= 'Z') abort();

    if (before != std::string(t, len) || strlen(t) != len) abort();
    return 0;
}
