// What the two start-up floors share: one window of the program's size in a class of its own, and the loop.
#pragma once

#include <windows.h>

#include "ui/MainWindow.h"

inline HWND OpenFloorWindow(HINSTANCE instance, const wchar_t* className, const wchar_t* title, WNDPROC procedure,
                            UINT classStyle, HBRUSH background, DWORD style) {
    WNDCLASSW windowClass = {};
    windowClass.style = classStyle;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = className;
    if (!RegisterClassW(&windowClass)) return nullptr;
    return CreateWindowExW(0, className, title, style, CW_USEDEFAULT, 0, MAIN_WINDOW_WIDTH, MAIN_WINDOW_HEIGHT,
                           nullptr, nullptr, instance, nullptr);
}

inline int ShowFloorWindowAndRun(HWND window, int showMode) {
    ShowWindow(window, showMode);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
