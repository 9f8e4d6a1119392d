// What the process holds: GDI objects and bytes in use on its heaps, for leak
// checks and the benchmark's cost per control.
#ifndef CCPROCESS_H
#define CCPROCESS_H

#include <stddef.h>
#include <windows.h>

// Live GDI objects of this process; under Wine, where the system count reads 0,
// the used entries of the process's GDI handle table.
DWORD CCP_GdiObjects(void);
// Bytes in busy blocks of the process's heaps.
size_t CCP_HeapBytes(void);

#endif
