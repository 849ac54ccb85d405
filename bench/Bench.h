// What the benchmark's parts share: a clock, a statistic and the report format.
#pragma once

#include <windows.h>

#include <vector>

double NowMs();
double Percentile(std::vector<double> values, double fraction);
void Report(const char* name, double value, const char* unit);
void ReportCount(const char* name, long long value, const char* unit);

// The window of the space-to-paint floor, stretching a picture of the given size; null when it can't be made.
HWND CreateFloorWindow(int clientWidth, int clientHeight, int pictureWidth, int pictureHeight);
void DestroyFloorWindow(HWND window);

// With longGame, also a game of the draw record's full length with the record open (MeasureRecordGrowth).
void MeasureSpaceToPaint(bool longGame);
void MeasureRecordGrowth();
void MeasureStartupRatio();
