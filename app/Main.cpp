// The entry point: the main window, start-up, then the message loop until the window is closed.
#include <windows.h>

#include "app/StartUp.h"
#include "ui/MainWindow.h"
#include "ui/OnDemandLibraries.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showMode) {
    SearchLibrariesInSystemFolderOnly();  // before anything can load one
    InstanceHandle = instance;
    // No window to show a message in, but whoever started us must not read the end as a success.
    if (!CreateMainWindow(showMode)) return 1;
    StartUp();
    int exitCode = RunMessageLoop();
    UninitialiseCom();  // after the window, so every object a screen reader still holds is let go first
    return exitCode;
}
