// The entry point: the main window, start-up, then the message loop until the window is closed.
#include <windows.h>

#include "app/StartUp.h"
#include "ui/MainWindow.h"
#include "ui/OnDemandLibraries.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showMode) {
    SearchLibrariesInSystemFolderOnly();  // before anything can load one
    InstanceHandle = instance;
    if (!CreateMainWindow(showMode)) return 0;  // nothing to show a message in
    StartUp();
    const int exitCode = RunMessageLoop();
    UninitialiseCom();
    return exitCode;
}
