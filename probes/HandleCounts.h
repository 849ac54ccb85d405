// Counting the process's live GDI objects and this thread's windows, for leak checks in tests and benchmarks.
#pragma once

int CountGdiObjects();
// Top-level windows of this thread and every window inside them.
int CountThreadWindows();
