// Counting the process's live GDI objects and this thread's windows, for leak checks in tests and benchmarks.
#include "probes/HandleCounts.h"

#include <windows.h>

// Wine's GetGuiResources always answers 0. Wine looks a GDI handle up by its low 16 bits, the table
// index, when the high bits are zero, so asking every index for its type counts the live objects.
// Lazily made objects (a font cache, a DC's first bitmap) appear on first use: warm up before counting.
int CountGdiObjects() {
    DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (reported != 0) return static_cast<int>(reported);
    int count = 0;
    for (ULONG_PTR index = 1; index <= 0xFFFF; index++)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) count++;
    return count;
}

static BOOL CALLBACK CountOne(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

static BOOL CALLBACK CountWithChildren(HWND window, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    EnumChildWindows(window, CountOne, count);  // all descendants, not only the direct children
    return TRUE;
}

int CountThreadWindows() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWithChildren, reinterpret_cast<LPARAM>(&count));
    return count;
}
