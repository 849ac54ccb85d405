// Driving the real main window in-process: opening and closing it, pumping, clicks, tooltips, pixels.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Creates the main window as the entry point does (resources of this executable), without StartUp.
bool OpenTestMainWindow();
// After CreateMainWindow returned false: the step that failed, the error it left and whether the desktop
// has a display at all.
std::string MainWindowFailure(DWORD error);
// Destroys the window, drops its quit message and resets the program-wide state for the next test.
void CloseTestMainWindow();

// Handles every pending message the way the program's loop does; returns the main window's paints.
int PumpMessages();

// Sets the client area to exactly width x height and lets the window repaint.
void ResizeClientArea(int width, int height);

// Fills every text slot with "<n>" (slot 0 "1"), so a wrong slot shows in a comparison.
void FillTextTableWithSlotNumbers();
// config.txt and TestLanguages/Test.Lang.txt beside this executable; returns the language file's lines.
std::vector<std::wstring> WriteTestLanguageFiles();

bool ClickToolbarButton(int command);
bool IsToolbarButtonChecked(int command);  // TB_ISBUTTONCHECKED == 1, asked directly
std::wstring ToolbarTooltip(int command);  // through the toolbar's own tooltip control

// Back-buffer pixel as 0x00RRGGBB, (0, 0) at the top left; the buffer's rows are stored bottom-up.
DWORD BackBufferPixel(int x, int y);

// A 32-bit top-down DIB section selected into a memory DC, filled with the display's grey.
struct PixelCanvas {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
    DWORD* pixels = nullptr;
    int width = 0;
    int height = 0;

    PixelCanvas(int w, int h);
    ~PixelCanvas();
    PixelCanvas(const PixelCanvas&) = delete;
    PixelCanvas& operator=(const PixelCanvas&) = delete;
    DWORD At(int x, int y) const;  // 0x00RRGGBB
};

// Tile n (0-15) of the image strip in this executable's resources, 40 x 40, as 0x00RRGGBB, row by row.
std::vector<DWORD> StripTile(int tile);

// Runs action while a thread timer answers the first visible dialog box of this thread: inspect sees it,
// then it receives WM_COMMAND reply. Returns how many boxes were answered.
int AnswerDialogs(const std::function<void()>& action, const std::function<void(HWND)>& inspect, WPARAM reply);
