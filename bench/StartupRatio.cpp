// Launch to the first paint that shows the new game, against the minimal window program and against the
// floor of the same work (the same window, toolbar and first display, and nothing else).
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/Bench.h"
#include "core/Product.h"
#include "probes/ProcessWindows.h"
#include "ui/Dib32.h"

static const int LAUNCHES = 20;
static const double GIVE_UP_MS = 20000;
static const COLORREF DISPLAY_GREY = RGB(176, 176, 176);
static const COLORREF BASELINE_GREEN = RGB(0, 128, 0);

static std::wstring BesideThisProgram(const wchar_t* name) {
    wchar_t path[MAX_PATH * 4];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L'\\') + 1) + name;
}

// One row of the window's client area as it is on the screen, read in a single copy so that watching
// costs both programs alike.
static std::vector<COLORREF> ScreenRow(HWND window, int y) {
    RECT client;
    GetClientRect(window, &client);
    POINT origin = {0, y};
    ClientToScreen(window, &origin);
    int width = client.right;
    std::vector<COLORREF> row;
    if (width <= 0) return row;
    void* pixels = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDib32(width, -1, &pixels);
    if (memory != nullptr && bitmap != nullptr) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, 1, screen, origin.x, origin.y, SRCCOPY);
        GdiFlush();
        const DWORD* bgrx = static_cast<const DWORD*>(pixels);
        for (int x = 0; x < width; x++)
            row.push_back(RGB((bgrx[x] >> 16) & 0xFF, (bgrx[x] >> 8) & 0xFF, bgrx[x] & 0xFF));
        SelectObject(memory, previous);
    }
    if (bitmap != nullptr) DeleteObject(bitmap);
    if (memory != nullptr) DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return row;
}

// The new game shows the White Turn tile centred 40 screen pixels under the toolbar on the grey field;
// the empty first paint shows only the grey.
static bool ShowsNewGame(HWND window) {
    HWND toolbar = FindWindowExW(window, nullptr, TOOLBARCLASSNAMEW, nullptr);
    if (toolbar == nullptr) return false;
    RECT bar;
    GetWindowRect(toolbar, &bar);
    std::vector<COLORREF> row = ScreenRow(window, 2 * ((bar.bottom - bar.top) / 2) + 80);
    if (row.size() < 100 || row[4] != DISPLAY_GREY) return false;
    for (size_t x = row.size() / 2 - 30; x <= row.size() / 2 + 30; x++)
        if (row[x] != DISPLAY_GREY) return true;
    return false;
}

static bool ShowsGreen(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    std::vector<COLORREF> row = ScreenRow(window, client.bottom / 2);
    return !row.empty() && row[row.size() / 2] == BASELINE_GREEN;
}

// Milliseconds from CreateProcessW to the first sight of the painted window; negative on failure.
static double TimeLaunch(const std::wstring& program, const wchar_t* className, bool (*painted)(HWND)) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::wstring commandLine = L"\"" + program + L"\"";
    double start = NowMs();
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return -1;
    double elapsed = -1;
    HWND found = nullptr;
    while (NowMs() - start < GIVE_UP_MS) {
        if (found == nullptr) found = FindProcessWindow(process.dwProcessId, className);
        if (found != nullptr && painted(found)) {
            elapsed = NowMs() - start;
            break;
        }
        Sleep(1);
    }
    if (found != nullptr) PostMessageW(found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

void MeasureStartupRatio() {
    std::wstring zarvik = BesideThisProgram(L"zarvik.exe");
    std::wstring baseline = BesideThisProgram(L"minimal_window.exe");
    std::wstring floor = BesideThisProgram(L"startup_floor.exe");
    std::vector<double> ours, theirs, floors;
    TimeLaunch(zarvik, WidenAnsi(ProductWindowClass).c_str(), ShowsNewGame);  // warms the file cache and the Wine server for all three
    TimeLaunch(baseline, L"MINIMAL", ShowsGreen);
    TimeLaunch(floor, L"STARTFLOOR", ShowsNewGame);
    for (int i = 0; i < LAUNCHES; i++) {
        double a = TimeLaunch(zarvik, WidenAnsi(ProductWindowClass).c_str(), ShowsNewGame);
        double b = TimeLaunch(baseline, L"MINIMAL", ShowsGreen);
        double c = TimeLaunch(floor, L"STARTFLOOR", ShowsNewGame);
        if (a < 0 || b < 0 || c < 0) {
            std::fprintf(stderr, "a launch did not show its first paint within %.0f ms\n", GIVE_UP_MS);
            return;
        }
        ours.push_back(a);
        theirs.push_back(b);
        floors.push_back(c);
    }
    double ourMedian = Percentile(ours, 0.5);
    double theirMedian = Percentile(theirs, 0.5);
    double floorMedian = Percentile(floors, 0.5);
    Report("startup_median_ms", ourMedian, "ms");
    Report("baseline_startup_median_ms", theirMedian, "ms");
    Report("startup_ratio", ourMedian / theirMedian, "x");
    Report("startup_floor_median_ms", floorMedian, "ms");
    Report("startup_floor_ratio", ourMedian / floorMedian, "x");
    WIN32_FILE_ATTRIBUTE_DATA attributes;
    if (GetFileAttributesExW(zarvik.c_str(), GetFileExInfoStandard, &attributes))
        ReportCount("exe_bytes", attributes.nFileSizeLow, "bytes");
}
