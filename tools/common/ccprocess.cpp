// GDI objects and heap bytes of the process.
#include "ccprocess.h"
#include <winternl.h>

namespace {

// Entry of the process's GDI handle table (the layout Windows and Wine share).
struct GdiEntry {
    unsigned long long object;
    unsigned long owner;
    unsigned short unique;
    unsigned char type, flags;
    unsigned long long user;
};
static_assert(sizeof(GdiEntry) == 24, "GDI handle table entry");

}  // namespace

DWORD CCP_GdiObjects(void)
{
    DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (n) return n;
    // Wine answers 0 above: count the used entries of the handle table instead
    // (its address is in the process environment block, offset 0x94 on x86,
    // 0xF8 on x86_64).
    PROCESS_BASIC_INFORMATION pbi = {};
    if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &pbi, sizeof pbi, nullptr) != 0)
        return 0;
    const char *peb = (const char *)pbi.PebBaseAddress;
    const size_t offset = sizeof(void *) == 8 ? 0xF8 : 0x94;
    const GdiEntry *table = peb ? *(const GdiEntry *const *)(peb + offset) : nullptr;
    if (!table) return 0;
    for (int i = 0; i < 0x10000; i++)
        if (table[i].type) n++;
    return n;
}

size_t CCP_HeapBytes(void)
{
    HANDLE heaps[64];
    DWORD n = GetProcessHeaps(64, heaps);
    size_t busy = 0;
    for (DWORD i = 0; i < n && i < 64; i++) {
        PROCESS_HEAP_ENTRY e = {};
        HeapLock(heaps[i]);
        while (HeapWalk(heaps[i], &e))
            if (e.wFlags & PROCESS_HEAP_ENTRY_BUSY) busy += e.cbData;
        HeapUnlock(heaps[i]);
    }
    return busy;
}
