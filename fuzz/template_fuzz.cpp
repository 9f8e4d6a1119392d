// Dialog templates: any bytes are read or refused without a read past their
// end; what is read lies inside them.
#include <stdlib.h>
#include <string.h>
#include <vector>
#include "dialog_template.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // A block of its own, so that the sanitizer sees any read past the end.
    std::vector<uint8_t> block(data, data + size);
    const uint8_t *p = block.empty() ? nullptr : block.data();
    DialogTemplate t;
    bool ok = DialogTemplate_Read(p, size, &t);
    if (t.extended && size < 4) abort();
    for (const TemplateItem &it : t.items) {
        if (!it.data) continue;
        if (it.data < p || (size_t)(it.data - p) + 2 + it.size > size) abort();
        if ((uint16_t)(it.data[0] | it.data[1] << 8) != it.size) abort();
    }
    (void)ok;
    return 0;
}
