// Space-bar release to finished paint through the real window, and what 10,000 presses leave behind.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/StartUp.h"
#include "bench/Bench.h"
#include "tests/win32/HandleCounts.h"
#include "ui/MainWindow.h"

// Handles every pending message; returns when the main window's own paint ended, or -1 without one.
static double PumpMessages() {
    double paintEnded = -1;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
        if (message.message == WM_PAINT && message.hwnd == MainWindowHandle) {
            GdiFlush();
            paintEnded = NowMs();
        }
    }
    return paintEnded;
}

// The lParam of a real key release: repeat count 1, scan code 0x39, previous state down, transition up.
// Returns the milliseconds to the end of the display's paint and, in idle, to the end of everything the
// press set off (the toolbar redrawing the two turn buttons comes after the display).
static double PressSpace(double* idle = nullptr) {
    double start = NowMs();
    PostMessageW(MainWindowHandle, WM_KEYUP, VK_SPACE, 0xC0390001);
    double paintEnded = PumpMessages();
    if (idle != nullptr) *idle = NowMs() - start;
    return paintEnded - start;
}

void MeasureSpaceToPaint() {
    InstanceHandle = GetModuleHandleW(nullptr);
    if (!CreateMainWindow(SW_SHOWNORMAL)) {
        std::fprintf(stderr, "the main window could not be created\n");
        std::exit(1);
    }
    StartUp();
    PumpMessages();

    for (int i = 0; i < 10; i++) PressSpace();
    int gdiAfter10 = CountGdiObjects();
    int windowsAfter10 = CountThreadWindows();

    std::vector<double> latencies, idle;
    for (int i = 0; i < 1000; i++) {
        double toIdle = 0;
        double toPaint = PressSpace(&toIdle);
        if (toPaint < 0) {
            std::fprintf(stderr, "a space press brought no paint\n");
            std::exit(1);
        }
        latencies.push_back(toPaint);
        idle.push_back(toIdle);
    }
    for (int i = 1010; i < 10000; i++) PressSpace();

    Report("space_to_paint_median_ms", Percentile(latencies, 0.5), "ms");
    Report("space_to_paint_p99_ms", Percentile(latencies, 0.99), "ms");
    Report("space_to_idle_median_ms", Percentile(idle, 0.5), "ms");
    ReportCount("gdi_object_growth", CountGdiObjects() - gdiAfter10, "objects");
    ReportCount("window_growth", CountThreadWindows() - windowsAfter10, "windows");
    DestroyWindow(MainWindowHandle);
    PumpMessages();
}
