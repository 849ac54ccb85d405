// Counting the process's live GDI objects, for leak checks in tests and benchmarks.
#pragma once

int CountGdiObjects();
