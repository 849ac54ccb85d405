// The program's life after its window exists: caption, texts, seed, first game, and the message loop.
#include "app/StartUp.h"

#include <windows.h>

#include <cstdlib>

#include "app/MessageStep.h"
#include "core/Lcg32.h"
#include "core/PieceDraw.h"
#include "core/Product.h"
#include "text/Ansi.h"
#include "text/TextResources.h"
#include "ui/Accessibility.h"
#include "ui/MainWindow.h"
#include "ui/OnDemandLibraries.h"

std::wstring WindowTitle;

void StartUp() {
    WindowTitle = ProductCaption();
    SetTitle(WindowTitle);
    const bool loaded = LoadTextResources();
    if (!LoadErrorMessage.empty()) ShowMessage(LoadErrorMessage);  // a bad language file: the defaults are in
    if (!loaded) std::exit(0);  // the runtime's normal exit, so static objects are destroyed
    Generator.Reseed(MillisecondClock());
    StartNewGame();
    RepaintWholeWindow();
    NotifyScreenReadersOfDisplay();
}

int RunMessageLoop() {
    MSG message = {};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DeliverMessage(&message);
    return static_cast<int>(message.wParam);
}
