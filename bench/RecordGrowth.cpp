// A long game with the draw record open: the cost of a draw and the memory it adds, early and at the limit.
#include <windows.h>

#include <vector>

#include "app/MessageStep.h"
#include "bench/Bench.h"
#include "core/DrawRecord.h"
#include "resources/resource.h"
#include "ui/DrawRecordWindow.h"
#include "ui/UiServices.h"

// Bytes handed out by every heap of the process, the C library's included. Wine's count of private bytes
// (GetProcessMemoryInfo) stays 0, so it showed nothing.
static double HeapBytesInUse() {
    std::vector<HANDLE> heaps(GetProcessHeaps(0, nullptr));
    heaps.resize(GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data()));
    double bytes = 0;
    for (HANDLE heap : heaps) {
        PROCESS_HEAP_ENTRY entry = {};
        HeapLock(heap);
        while (HeapWalk(heap, &entry))
            if ((entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0) bytes += static_cast<double>(entry.cbData);
        HeapUnlock(heap);
    }
    return bytes;
}

// Space released and everything it set off handled by the program's own message step: the display's paint,
// the record's catching up and paint.
static double DrawAndSettle() {
    const double start = NowMs();
    PostMessageW(MainWindowHandle, WM_KEYUP, VK_SPACE, 0xC0390001);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DeliverMessage(&message);
    return NowMs() - start;
}

// Draws first to last of the game, each a release of Space; their median time and the bytes they added.
// The draws before first go straight into the record, a line each, which the list takes in at one step.
static void MeasureStretch(std::uint64_t first, std::uint64_t last, const char* timeName, const char* bytesName) {
    while (RecordDrawCount() + 1 < first)
        AddToDrawRecord(RecordDrawCount() % 2 == 0 ? Side::White : Side::Black, PieceKind::Knight);
    FollowDrawRecord();
    DrawAndSettle();
    std::vector<double> times;
    const double before = HeapBytesInUse();
    while (RecordDrawCount() < last) times.push_back(DrawAndSettle());
    const double bytes = HeapBytesInUse() - before;
    Report(timeName, Percentile(times, 0.5), "ms");
    Report(bytesName, bytes / static_cast<double>(times.size()), "bytes");
}

// The record's own store of draws grows until its limit in any case; what the list adds comes on top.
void MeasureRecordGrowth() {
    SendMessageW(MainWindowHandle, WM_COMMAND, ID_NEW_GAME, 0);
    SendMessageW(MainWindowHandle, WM_COMMAND, ID_DRAW_RECORD, 0);
    DrawAndSettle();
    MeasureStretch(1001, 2000, "record_open_draw_median_ms_at_1000", "record_open_bytes_per_draw_at_1000");
    MeasureStretch(DRAW_RECORD_LIMIT - 999, DRAW_RECORD_LIMIT, "record_open_draw_median_ms_at_100000",
                   "record_open_bytes_per_draw_at_100000");
    DestroyWindow(DrawRecordWindow);
}
