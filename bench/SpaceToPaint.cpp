// Space-bar release to finished paint through the real window, and what 10,000 presses leave behind.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/MessageStep.h"
#include "app/StartUp.h"
#include "bench/Bench.h"
#include "probes/HandleCounts.h"
#include "resources/resource.h"
#include "text/Config.h"
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

// Side by side from the screen's left edge, so each can be pressed in turn and none paints under another.
static void PlaceSideBySide(const HWND (&windows)[3]) {
    int left = 0, bottom = 0;
    for (HWND window : windows) {
        RECT outer;
        GetWindowRect(window, &outer);
        SetWindowPos(window, nullptr, left, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        left += outer.right - outer.left;
        bottom = std::max<int>(bottom, outer.bottom - outer.top);
    }
    if (left > GetSystemMetrics(SM_CXSCREEN) || bottom > GetSystemMetrics(SM_CYSCREEN)) {
        std::fprintf(stderr, "the screen is too small for the program and its floors side by side: %d x %d needed\n",
                     left, bottom);
        std::exit(1);
    }
    PumpMessages(windows[0]);
}

constexpr int ROUNDS = 30;
constexpr int ROUND_PRESSES = 20;  // each window's, in each round

// The quartiles' distance: how far the rounds' ratios lie apart, one noisy round aside.
static double Spread(const std::vector<double>& values) {
    return Percentile(values, 0.75) - Percentile(values, 0.25);
}

constexpr int DICE_ROUNDS = 40;

struct DiceFigures {
    double threeMedian, ratio, spread;
};

// Three dice against one on the program's own window, press by press, and a ratio a round: a turn of dice
// is seldom shown twice, so its paint composes the picture where one die's mostly copies a kept one. The
// mode is set as the menu's command sets it, without the save that goes with the command.
static DiceFigures MeasureDicePerTurn() {
    std::vector<double> three, ratios;
    for (int round = 0; round < DICE_ROUNDS; round++) {
        std::vector<double> measured[2];  // [0] one die, [1] three dice
        for (int i = 0; i < ROUND_PRESSES * 2; i++) {
            const int dice = (round + i) % 2;
            DicePerTurn = dice == 1 ? 3 : 1;
            measured[dice].push_back(PressSpace(MainWindowHandle));
        }
        three.insert(three.end(), measured[1].begin(), measured[1].end());
        ratios.push_back(Percentile(measured[1], 0.5) / Percentile(measured[0], 0.5));
    }
    DicePerTurn = 1;
    return {Percentile(three, 0.5), Percentile(ratios, 0.5), Spread(ratios)};
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
    HWND workFloor = CreateWorkFloorWindow(client.right, client.bottom, BackBuffer.width, BackBuffer.height);
    if (floor == nullptr || workFloor == nullptr) {
        std::fprintf(stderr, "a floor window could not be created\n");
        std::exit(1);
    }
    PumpMessages(MainWindowHandle);

    // Every window shown and pressed once first: its first showing makes objects that stay.
    const HWND windows[] = {MainWindowHandle, floor, workFloor};
    PlaceSideBySide(windows);
    PressSpace(floor);
    PressSpace(workFloor);
    for (int i = 0; i < 10; i++) PressSpace(MainWindowHandle);
    int gdiAfter10 = CountGdiObjects();
    int windowsAfter10 = CountThreadWindows();

    // Ours and each floor press by press, each round starting with another of them, and a ratio a round:
    // a change of load on the machine weighs on both sides of a ratio alike.
    std::vector<double> latencies, idle, floorLatencies, workLatencies, ratios, workRatios;
    for (int round = 0; round < ROUNDS; round++) {
        std::vector<double> measured[3];
        for (int i = 0; i < ROUND_PRESSES; i++) {
            for (int turn = 0; turn < 3; turn++) {
                const int which = (round + turn) % 3;
                double toIdle = 0;
                measured[which].push_back(PressSpace(windows[which], &toIdle));
                if (which == 0) idle.push_back(toIdle);
            }
        }
        latencies.insert(latencies.end(), measured[0].begin(), measured[0].end());
        floorLatencies.insert(floorLatencies.end(), measured[1].begin(), measured[1].end());
        workLatencies.insert(workLatencies.end(), measured[2].begin(), measured[2].end());
        ratios.push_back(Percentile(measured[0], 0.5) / Percentile(measured[1], 0.5));
        workRatios.push_back(Percentile(measured[0], 0.5) / Percentile(measured[2], 0.5));
    }
    const DiceFigures dice = MeasureDicePerTurn();
    for (int i = 10 + ROUNDS * ROUND_PRESSES + DICE_ROUNDS * ROUND_PRESSES * 2; i < 10000; i++)
        PressSpace(MainWindowHandle);

    Report("space_to_paint_median_ms", Percentile(latencies, 0.5), "ms");
    Report("space_to_paint_p99_ms", Percentile(latencies, 0.99), "ms");
    Report("space_to_idle_median_ms", Percentile(idle, 0.5), "ms");
    Report("space_to_paint_floor_median_ms", Percentile(floorLatencies, 0.5), "ms");
    Report("space_to_paint_ratio", Percentile(ratios, 0.5), "x");
    Report("space_to_paint_ratio_spread", Spread(ratios), "x");
    Report("space_to_paint_work_floor_median_ms", Percentile(workLatencies, 0.5), "ms");
    Report("space_to_paint_work_ratio", Percentile(workRatios, 0.5), "x");
    Report("space_to_paint_work_ratio_spread", Spread(workRatios), "x");
    Report("space_to_paint_three_dice_median_ms", dice.threeMedian, "ms");
    Report("space_to_paint_three_dice_ratio", dice.ratio, "x");
    Report("space_to_paint_three_dice_ratio_spread", dice.spread, "x");
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
    DestroyWorkFloorWindow(workFloor);
    DestroyWindow(MainWindowHandle);
    PumpMessages(MainWindowHandle);
}
