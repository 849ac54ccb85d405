// The smallest program that opens a window like ours and paints it: the start-up baseline.
#include <windows.h>

#include "bench/FloorWindow.h"

static LRESULT CALLBACK MinimalWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        HBRUSH brush = CreateSolidBrush(RGB(0, 128, 0));
        FillRect(dc, &paint.rcPaint, brush);
        DeleteObject(brush);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showMode) {
    HWND window = OpenFloorWindow(instance, L"MINIMAL", L"Minimal", MinimalWindowProc, 0, nullptr, WS_OVERLAPPEDWINDOW);
    if (window == nullptr) return 0;
    return ShowFloorWindowAndRun(window, showMode);
}
