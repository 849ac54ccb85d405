// Space-bar release to finished paint through the real window, and what 10,000 presses leave behind.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/StartUp.h"
#include "bench/Bench.h"
#include "resources/resource.h"
#include "tests/win32/window/GdiCount.h"
#include "ui/MainWindow.h"

static void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// The lParam of a real key release: repeat count 1, scan code 0x39, previous state down, transition up.
static void PressSpace() {
    PostMessageW(MainWindowHandle, WM_KEYUP, VK_SPACE, 0xC0390001);
    PumpMessages();
}

static BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    EnumChildWindows(window, CountWindow, count);
    return TRUE;
}

static int CountThreadWindows() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

void MeasureSpaceToPaint() {
    InstanceHandle = GetModuleHandleW(nullptr);
    if (!CreateMainWindow(IDS_APP_TITLE, IDS_WINDOW_CLASS, IDM_APP_MENU, IDC_APP_ACCELERATORS, IDI_APP, IDC_ARROW,
                          SW_SHOWNORMAL, 575, 400)) {
        std::fprintf(stderr, "the main window could not be created\n");
        std::exit(1);
    }
    StartUp();
    PumpMessages();

    for (int i = 0; i < 10; i++) PressSpace();
    int gdiAfter10 = CountGdiObjects();
    int windowsAfter10 = CountThreadWindows();

    std::vector<double> latencies;
    for (int i = 0; i < 1000; i++) {
        double start = NowMs();
        PressSpace();
        GdiFlush();
        latencies.push_back(NowMs() - start);
    }
    for (int i = 1010; i < 10000; i++) PressSpace();

    Report("space_to_paint_median_ms", Percentile(latencies, 0.5), "ms");
    Report("space_to_paint_p99_ms", Percentile(latencies, 0.99), "ms");
    ReportCount("gdi_object_growth", CountGdiObjects() - gdiAfter10, "objects");
    ReportCount("window_growth", CountThreadWindows() - windowsAfter10, "windows");
    DestroyWindow(MainWindowHandle);
    PumpMessages();
}
