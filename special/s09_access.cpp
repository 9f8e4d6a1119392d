// What the special library's kinds tell accessibility clients (ccaccess.h):
// every kind shows the first field of its text; it is a push button when its
// flags character asks for a press or release notification, else a static
// text.
#include <oleacc.h>
#include <string.h>
#include "ccaccess.h"
#include "ccslots.h"
#include "cctext.h"
#include "press.h"
#include "s09_frame.h"

static LONG Role(HWND hwnd)
{
    return (CC09Press_Flags(hwnd) & 3) ? ROLE_SYSTEM_PUSHBUTTON : ROLE_SYSTEM_STATICTEXT;
}

static void Name(HWND hwnd, char *buf, size_t size)
{
    char raw[CC09_FIELD_TEXT];
    CCReadText(hwnd, raw, sizeof raw);
    size_t n = 0;
    const char *label = CCFindField(raw, 0, &n);
    CCNameAppend(buf, size, 0, label ? label : "", n);
}

static const CCAccessKind kKind = {Role, Name, CC09Press_IsDown, nullptr, nullptr};

const CCAccessKind *CC09_AccessFor(LONG style)
{
    int kind = (int)(style & 0xF);
    return kind >= 1 && kind <= 8 ? &kKind : nullptr;
}
