// The benchmark: one figure a line, as "name: value unit".
#include "bench/Bench.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

double NowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Nearest rank: the value below which the given fraction of the samples lie.
double Percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    size_t rank = static_cast<size_t>(fraction * static_cast<double>(values.size()));
    return values[std::min(rank, values.size() - 1)];
}

// At another DPI than 96 the figure's name says which: space_to_paint_median_ms_192dpi.
static std::string ScaledName(const char* name) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi == 96 ? std::string(name) : std::string(name) + "_" + std::to_string(dpi) + "dpi";
}

void Report(const char* name, double value, const char* unit) {
    std::printf("%s: %.3f %s\n", ScaledName(name).c_str(), value, unit);
    std::fflush(stdout);
}

void ReportCount(const char* name, long long value, const char* unit) {
    std::printf("%s: %lld %s\n", ScaledName(name).c_str(), value, unit);
    std::fflush(stdout);
}

// "space" or "startup" measures that alone: the space bar is measured once more at another display scale.
int main(int argc, char** argv) {
    const char* only = argc > 1 ? argv[1] : "";
    // Start-up first, while this process has no window of its own on the display.
    if (std::strcmp(only, "space") != 0) MeasureStartupRatio();
    if (std::strcmp(only, "startup") != 0) MeasureSpaceToPaint(std::strcmp(only, "space") != 0);
    return 0;
}
