// The test toolbar: the program's own toolbar table in a window of its own.
#include "tests/support/TestToolbar.h"

#include <windows.h>

#include <commctrl.h>

#include <iterator>
#include <utility>

#include "resources/resource.h"
#include "ui/MainWindow.h"
#include "ui/ToolbarButtons.h"

namespace {

const wchar_t HostClassName[] = L"ZarvikTestToolbarHost";

HWND HostWindow = nullptr;
HBITMAP ImageStrip = nullptr;
WNDPROC ToolbarProc = nullptr;
std::vector<ButtonCall> Calls;

const std::pair<UINT, ButtonOperation> RecordedMessages[] = {
    {TB_ISBUTTONCHECKED, ButtonOperation::IsChecked},
    {TB_CHECKBUTTON, ButtonOperation::Check},
    {TB_ENABLEBUTTON, ButtonOperation::Enable},
    {TB_HIDEBUTTON, ButtonOperation::Hide},
};

// Sits in front of the toolbar's own procedure and notes the four button-state messages.
LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    for (const auto& [recorded, operation] : RecordedMessages)
        if (message == recorded) Calls.push_back({operation, static_cast<int>(wParam), static_cast<long>(lParam)});
    return CallWindowProcW(ToolbarProc, window, message, wParam, lParam);
}

// Sixteen plain 40 x 40 tiles: the buttons need a size, not the real pictures.
HBITMAP MakeImageStrip() {
    HDC screen = GetDC(nullptr);
    HBITMAP strip = CreateCompatibleBitmap(screen, PIECE_STRIP_TILES * TILE_SIZE, TILE_SIZE);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, strip);
    RECT all = {0, 0, PIECE_STRIP_TILES * TILE_SIZE, TILE_SIZE};
    FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return strip;
}

void DestroyTestToolbar() {
    if (HostWindow != nullptr) DestroyWindow(HostWindow);  // takes the toolbar with it
    HostWindow = nullptr;
    ToolbarWindow = nullptr;
    if (ImageStrip != nullptr) DeleteObject(ImageStrip);
    ImageStrip = nullptr;
}

}  // namespace

bool MakeTestToolbar() {
    DestroyTestToolbar();
    Calls.clear();
    InitCommonControls();

    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW hostClass = {};
    hostClass.lpfnWndProc = DefWindowProcW;
    hostClass.hInstance = instance;
    hostClass.lpszClassName = HostClassName;
    RegisterClassW(&hostClass);  // fails harmlessly from the second toolbar on
    HostWindow = CreateWindowExW(0, HostClassName, L"Test toolbar", WS_OVERLAPPEDWINDOW, 0, 0, MAIN_WINDOW_WIDTH,
                                 MAIN_WINDOW_HEIGHT, nullptr, nullptr, instance, nullptr);
    if (HostWindow == nullptr) return false;

    ImageStrip = MakeImageStrip();
    HWND toolbar = CreateToolbarEx(HostWindow, WS_CHILD | WS_VISIBLE | WS_BORDER | TBSTYLE_TOOLTIPS, IDC_TOOLBAR,
                                   PIECE_STRIP_TILES, nullptr, reinterpret_cast<UINT_PTR>(ImageStrip),
                                   ToolbarButtons.data(), TOOLBAR_BUTTON_COUNT, 0, 0, TILE_SIZE, TILE_SIZE,
                                   sizeof(TBBUTTON));
    if (toolbar == nullptr) {
        DestroyTestToolbar();
        return false;
    }
    MoveWindow(toolbar, 0, 0, 0, 0, TRUE);  // the toolbar fits itself to the top of its parent
    ToolbarProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(toolbar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingProc)));
    ToolbarWindow = toolbar;
    return true;
}

bool ClickTestButton(int command) {
    if (ToolbarWindow == nullptr) return false;
    RECT rect = {};
    if (!SendMessageW(ToolbarWindow, TB_GETRECT, static_cast<WPARAM>(command), reinterpret_cast<LPARAM>(&rect)) ||
        IsRectEmpty(&rect))
        return false;
    const LPARAM centre = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    SendMessageW(ToolbarWindow, WM_LBUTTONDOWN, MK_LBUTTON, centre);
    SendMessageW(ToolbarWindow, WM_LBUTTONUP, 0, centre);
    return true;
}

void RemoveTestToolbar() { DestroyTestToolbar(); }

// These answer 4 or 8 for yes, 0 for no and -1 for a command no button carries.
bool IsTestButtonEnabled(int command) {
    return ToolbarWindow != nullptr && SendMessageW(ToolbarWindow, TB_ISBUTTONENABLED, command, 0) > 0;
}

bool IsTestButtonHidden(int command) {
    return ToolbarWindow != nullptr && SendMessageW(ToolbarWindow, TB_ISBUTTONHIDDEN, command, 0) > 0;
}

std::vector<ButtonCall> TestToolbarCalls() { return Calls; }
