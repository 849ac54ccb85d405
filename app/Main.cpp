// The entry points: the loader's callback that restricts the library search, then the main window,
// start-up and the message loop until the window is closed.
#include <windows.h>

#include "app/StartUp.h"
#include "ui/MainWindow.h"
#include "ui/OnDemandLibraries.h"

// The loader calls the program's TLS callbacks after the libraries it imports and before its entry point,
// so before the C runtime's start-up and every constructor it runs. The stack protector's constructor
// seeds its guard through CryptAcquireContextA, which loads the cryptographic provider by name: from
// wWinMain the search would come too late. Only kernel32 is called here, and no frame of this callback
// is still live when that constructor changes the guard.
static void NTAPI RestrictLibrarySearch(PVOID, DWORD reason, PVOID) {
    if (reason == DLL_PROCESS_ATTACH) SearchLibrariesInSystemFolderOnly();
}

// .CRT$XLB sorts before the runtime's own callbacks (.CRT$XLC on), and the linker keeps every .CRT$XL* entry.
__attribute__((section(".CRT$XLB"), used)) static const PIMAGE_TLS_CALLBACK LibrarySearchCallback =
    RestrictLibrarySearch;

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showMode) {
    InstanceHandle = instance;
    // No window to show a message in, but whoever started us must not read the end as a success.
    if (!CreateMainWindow(showMode)) return 1;
    StartUp();
    int exitCode = RunMessageLoop();
    UninitialiseCom();  // after the window, so every object a screen reader still holds is let go first
    return exitCode;
}
