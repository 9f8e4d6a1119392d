// Number readers against the C library: the decimal reader clamps what
// strtoll reads, the hex reader wraps what strtoull reads to 32 bits, the
// sibling-name reader gives -1 or a number of at most two characters.
#include <errno.h>
#include <stdlib.h>
#include <string.h>
#include <string>
#include "cctext.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::string s((const char *)data, size);
    const char *t = s.c_str();

    errno = 0;
    long long ll = strtoll(t, nullptr, 10);
    if (errno != ERANGE) {
        long long c = ll > INT32_MAX ? INT32_MAX : ll < INT32_MIN ? INT32_MIN : ll;
        if (CCParseInt32(t) != (int32_t)c) abort();
    } else if (CCParseInt32(t) != (ll > 0 ? INT32_MAX : INT32_MIN)) {
        abort();
    }

    errno = 0;
    unsigned long long ull = strtoull(t, nullptr, 16);
    if (errno != ERANGE && CCHexValue(t) != (uint32_t)ull) abort();
    (void)CCHexValue(t);

    int n = CCSiblingNumber(("kerv_cc" + s).c_str());
    if (CCSiblingNumber(t) != -1 && strncmp(t, "kerv_cc", 7) != 0) abort();
    if (n < -9 || n > 99) abort();

    for (size_t i = 0; i < size; i++) {
        int d = CCHexDigit((char)data[i]);
        if (d < -1 || d > 15) abort();
    }
    return 0;
}
