// Space-bar release to finished paint through the real window, and what 10,000 presses leave behind.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/MessageStep.h"
#include "app/StartUp.h"
#include "bench/Bench.h"
#include "probes/HandleCounts.h"
#include "resources/resource.h"
#include "ui/Display.h"
#include "ui/DrawRecordWindow.h"
#include "ui/MainWindow.h"

// Handles every pending message with the program's own message step; returns when the watched window's
// paint ended, or -1 without one.
static double PumpMessages(HWND watched) {
    double paintEnded = -1;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        DeliverMessage(&message);
        if (message.message == WM_PAINT && message.hwnd == watched) {
            GdiFlush();
            paintEnded = NowMs();
        }
    }
    return paintEnded;
}

// The lParam of a real key release: repeat count 1, scan code 0x39, previous state down, transition up.
// Returns the milliseconds to the end of the window's paint and, in idle, to the end of everything the
// press set off (the toolbar redrawing the two turn buttons comes after the display).
static double PressSpace(HWND window, double* idle = nullptr) {
    double start = NowMs();
    PostMessageW(window, WM_KEYUP, VK_SPACE, 0xC0390001);
    double paintEnded = PumpMessages(window);
    if (idle != nullptr) *idle = NowMs() - start;
    if (paintEnded < 0) {
        std::fprintf(stderr, "a space press brought no paint\n");
        std::exit(1);
    }
    return paintEnded - start;
}

// One of the two windows on the display at a time, so neither paints under the other.
static void ShowOnly(HWND shown, HWND hidden) {
    ShowWindow(hidden, SW_HIDE);
    ShowWindow(shown, SW_SHOWNA);
    PumpMessages(shown);
}

void MeasureSpaceToPaint(bool longGame) {
    InstanceHandle = GetModuleHandleW(nullptr);
    if (!CreateMainWindow(SW_SHOWNORMAL)) {
        std::fprintf(stderr, "the main window could not be created\n");
        std::exit(1);
    }
    StartUp();
    PumpMessages(MainWindowHandle);  // the first game's paint: the back buffer has its size
    RECT client;
    GetClientRect(MainWindowHandle, &client);
    HWND floor = CreateFloorWindow(client.right, client.bottom, BackBuffer.width, BackBuffer.height);
    if (floor == nullptr) {
        std::fprintf(stderr, "the floor window could not be created\n");
        std::exit(1);
    }
    PumpMessages(MainWindowHandle);

    // Both windows shown and pressed once first: their first showing makes objects that stay.
    ShowOnly(floor, MainWindowHandle);
    PressSpace(floor);
    ShowOnly(MainWindowHandle, floor);
    for (int i = 0; i < 10; i++) PressSpace(MainWindowHandle);
    int gdiAfter10 = CountGdiObjects();
    int windowsAfter10 = CountThreadWindows();

    // In turns of a hundred presses, so a change of load on the machine weighs on both alike.
    std::vector<double> latencies, idle, floorLatencies;
    for (int turn = 0; turn < 10; turn++) {
        ShowOnly(MainWindowHandle, floor);
        for (int i = 0; i < 100; i++) {
            double toIdle = 0;
            latencies.push_back(PressSpace(MainWindowHandle, &toIdle));
            idle.push_back(toIdle);
        }
        ShowOnly(floor, MainWindowHandle);
        for (int i = 0; i < 100; i++) floorLatencies.push_back(PressSpace(floor));
    }
    ShowOnly(MainWindowHandle, floor);
    for (int i = 1010; i < 10000; i++) PressSpace(MainWindowHandle);

    const double median = Percentile(latencies, 0.5);
    const double floorMedian = Percentile(floorLatencies, 0.5);
    Report("space_to_paint_median_ms", median, "ms");
    Report("space_to_paint_p99_ms", Percentile(latencies, 0.99), "ms");
    Report("space_to_idle_median_ms", Percentile(idle, 0.5), "ms");
    Report("space_to_paint_floor_median_ms", floorMedian, "ms");
    Report("space_to_paint_ratio", median / floorMedian, "x");
    ReportCount("gdi_object_growth", CountGdiObjects() - gdiAfter10, "objects");
    ReportCount("window_growth", CountThreadWindows() - windowsAfter10, "windows");

    // After the 10,000 presses above, a long game: the draw record open beside the window and closed, by
    // turns of a hundred presses, so a change of load weighs on both alike.
    std::vector<double> toPaint[2], toIdle[2];  // [0] closed, [1] open
    for (int turn = 0; turn < 10; turn++) {
        for (int open : {1, 0}) {
            if (open == 1) SendMessageW(MainWindowHandle, WM_COMMAND, ID_DRAW_RECORD, 0);
            else DestroyWindow(DrawRecordWindow);
            PumpMessages(MainWindowHandle);
            for (int i = 0; i < 100; i++) {
                double idleMs = 0;
                toPaint[open].push_back(PressSpace(MainWindowHandle, &idleMs));
                toIdle[open].push_back(idleMs);
            }
        }
    }
    Report("space_to_paint_record_open_median_ms", Percentile(toPaint[1], 0.5), "ms");
    Report("space_to_paint_record_closed_median_ms", Percentile(toPaint[0], 0.5), "ms");
    Report("space_to_idle_record_open_median_ms", Percentile(toIdle[1], 0.5), "ms");
    Report("space_to_idle_record_closed_median_ms", Percentile(toIdle[0], 0.5), "ms");
    if (longGame) MeasureRecordGrowth();
    DestroyFloorWindow(floor);
    DestroyWindow(MainWindowHandle);
    PumpMessages(MainWindowHandle);
}
