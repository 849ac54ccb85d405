// What the benchmark's parts share: a clock, a statistic and the report format.
#pragma once

#include <windows.h>

#include <vector>

double NowMs();
double Percentile(std::vector<double> values, double fraction);
void Report(const char* name, double value, const char* unit);
void ReportCount(const char* name, long long value, const char* unit);

// What a space-to-paint floor stretches over its client area, and what it composes first at a key's release.
struct FloorPicture {
    HDC dc;  // the picture, selected
    SIZE size;
    void (*compose)();  // null for none
};

// A window of the main window's class style and frame with the given client size, in a class of its own,
// that repaints itself with the picture at a key's release; null when it can't be made.
HWND OpenStretchingWindow(const wchar_t* className, DWORD style, int clientWidth, int clientHeight,
                          const FloorPicture* picture);

// The window of the space-to-paint floor, stretching a picture of the given size; null when it can't be made.
HWND CreateFloorWindow(int clientWidth, int clientHeight, int pictureWidth, int pictureHeight);
void DestroyFloorWindow(HWND window);
// The floor of the same work: the program's toolbar, and a half-size picture of the given size composed
// afresh at every key release; null when it can't be made.
HWND CreateWorkFloorWindow(int clientWidth, int clientHeight, int pictureWidth, int pictureHeight);
void DestroyWorkFloorWindow(HWND window);

// With longGame, also a game of the draw record's full length with the record open (MeasureRecordGrowth).
void MeasureSpaceToPaint(bool longGame);
void MeasureRecordGrowth();
void MeasureStartupRatio();
