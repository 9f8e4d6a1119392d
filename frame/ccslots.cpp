// Window slots, option texts and notifications.
#include "ccslots.h"
#include "ccoptions.h"

static LONG *SlotBlock(HWND hwnd)
{
    LONG *block = (LONG *)(LONG_PTR)GetWindowLongPtrA(hwnd, 0);
    if (block) return block;
    block = (LONG *)HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, CC_SLOT_COUNT * sizeof(LONG));
    if (!block) return nullptr;
    SetWindowLongPtrA(hwnd, 0, (LONG_PTR)block);
    // A window without the extra word cannot keep the block: free it again.
    if ((LONG *)(LONG_PTR)GetWindowLongPtrA(hwnd, 0) != block) {
        HeapFree(GetProcessHeap(), 0, block);
        return nullptr;
    }
    return block;
}

LONG CCSetSlot(HWND hwnd, int index, LONG value)
{
    if (!hwnd || index < 0 || index >= CC_SLOT_COUNT) return 0;
    LONG *block = SlotBlock(hwnd);
    if (!block) return 0;
    block[index] = value;
    return (LONG)(LONG_PTR)block;
}

LONG CCGetSlot(HWND hwnd, int index)
{
    if (!hwnd || index < 0 || index >= CC_SLOT_COUNT) return 0;
    LONG *block = SlotBlock(hwnd);
    return block ? block[index] : 0;
}

const LONG *CCSlotView(HWND hwnd)
{
    static const LONG zeros[CC_SLOT_COUNT] = {0};
    LONG *block = hwnd ? SlotBlock(hwnd) : nullptr;
    return block ? block : zeros;
}

void CCFreeSlots(HWND hwnd)
{
    if (!hwnd) return;
    LONG *block = (LONG *)(LONG_PTR)GetWindowLongPtrA(hwnd, 0);
    if (!block) return;
    SetWindowLongPtrA(hwnd, 0, 0);
    HeapFree(GetProcessHeap(), 0, block);
}

int CCGetJustify(HWND hwnd)
{
    if (!hwnd) return 0;
    LONG j = CCGetSlot(hwnd, 19);
    return j == 3 ? 0 : (int)j;
}

int CCParseOptions(HWND hwnd, const char *text)
{
    CCOptionWrites w;
    if (!CCOptionParse(text, CCGetSlot(hwnd, 3), &w)) return 0;
#ifdef CC_VARIANT_09
    // Kind 6 takes justification letters at position 1.
    LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    if ((style & 0xF) == 6) {
        LONG ns = (LONG)CCOptionJustifyStyle(text, (uint32_t)style);
        if (ns != style) SetWindowLongA(hwnd, GWL_STYLE, ns);
    }
#endif
    for (int i = 0; i < w.count; i++) CCSetSlot(hwnd, w.slot[i], w.value[i]);
    return 1;
}

size_t CCJoinFields(HWND hwnd, char *out, size_t outSize, const char *oldFirst,
                    const char *newText, const char *oldSecond, const char *number)
{
    int variant = hwnd ? (int)(CCGetSlot(hwnd, 3) & 0xF) : 0;
    return CCJoinFieldsText(variant, out, outSize, oldFirst, newText, oldSecond, number);
}

void CCNotify(HWND hwnd)
{
    SendMessageA(GetParent(hwnd), WM_COMMAND, (WPARAM)GetWindowLongA(hwnd, GWL_ID), (LPARAM)hwnd);
}

int CCReadText(HWND hwnd, char *buf, int size)
{
    if (!buf || size <= 0) return 0;
    buf[0] = '\0';
    int n = (int)DefWindowProcA(hwnd, WM_GETTEXT, (WPARAM)size, (LPARAM)buf);
    buf[size - 1] = '\0';
    return n;
}
