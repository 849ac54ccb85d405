// The benchmark: one figure a line, as "name: value unit".
#include "bench/Bench.h"

#include <algorithm>
#include <cstdio>

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

void Report(const char* name, double value, const char* unit) {
    std::printf("%s: %.3f %s\n", name, value, unit);
    std::fflush(stdout);
}

void ReportCount(const char* name, long long value, const char* unit) {
    std::printf("%s: %lld %s\n", name, value, unit);
    std::fflush(stdout);
}

int main() {
    MeasureStartupRatio();  // first, while this process has no window of its own on the display
    MeasureSpaceToPaint();
    return 0;
}
