// Window slots, option texts and notifications.
#include "ccslots.h"
#include "ccoptions.h"

static LONG *SlotBlock(HWND hwnd)
{
    LONG *block = (LONG *)(LONG_PTR)GetWindowLongPtrA(hwnd, 0);
    if (block) return block;
    block = (LONG *)HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY,
                              CC_SLOT_COUNT * sizeof(LONG) + CC_WIDE_COUNT * sizeof(LONG_PTR));
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
    // The block's address (64-bit: cut to a non-zero 32-bit value).
    return CCHandleSlotValue((HGLOBAL)block);
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

LONG CCHandleSlotValue(HGLOBAL value)
{
    LONG low = (LONG)(LONG_PTR)value;
    return (!low && value) ? 1 : low;
}

#ifdef _WIN64
// The pointer-wide word of a handle slot, after the numbered slots; null for
// other indexes or when there is no block.
static LONG_PTR *WideWord(HWND hwnd, int index)
{
    int word = index == CC_SLOT_RECORD ? 0 : index == CC_SLOT_PICTURE ? 1 : -1;
    LONG *block = (hwnd && word >= 0) ? SlotBlock(hwnd) : nullptr;
    return block ? (LONG_PTR *)(block + CC_SLOT_COUNT) + word : nullptr;
}
#endif

HGLOBAL CCGetHandleSlot(HWND hwnd, int index)
{
#ifdef _WIN64
    LONG_PTR *w = WideWord(hwnd, index);
    // A numbered slot cleared by a slot write means no block either.
    return (w && CCGetSlot(hwnd, index)) ? (HGLOBAL)*w : nullptr;
#else
    if (index != CC_SLOT_RECORD && index != CC_SLOT_PICTURE) return nullptr;
    return (HGLOBAL)(LONG_PTR)CCGetSlot(hwnd, index);
#endif
}

void CCSetHandleSlot(HWND hwnd, int index, HGLOBAL value)
{
#ifdef _WIN64
    LONG_PTR *w = WideWord(hwnd, index);
    if (!w) return;
    *w = (LONG_PTR)value;
#else
    if (index != CC_SLOT_RECORD && index != CC_SLOT_PICTURE) return;
#endif
    CCSetSlot(hwnd, index, CCHandleSlotValue(value));
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
