// The entry point: the main window, start-up, then the message loop until the window is closed.
#include <windows.h>

#include "app/StartUp.h"
#include "resources/resource.h"
#include "ui/MainWindow.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showMode) {
    InstanceHandle = instance;
    if (!CreateMainWindow(IDS_APP_TITLE, IDS_WINDOW_CLASS, IDM_APP_MENU, IDC_APP_ACCELERATORS, IDI_APP, IDC_ARROW,
                          showMode, 575, 400))
        return 1;  // no window to show a message in, but whoever started us must not read it as success
    StartUp();
    return RunMessageLoop();
}
