// What the program does with each message it takes from its queue.
#include "app/MessageStep.h"

#include "ui/DrawRecordWindow.h"
#include "ui/UiServices.h"

// The accelerators are the main window's wherever the key was typed, so Alt+? opens the dialog from the
// draw record too; a missing table translates nothing. The record's other keys go to it, so it answers
// Tab, Esc and Enter.
void DeliverMessage(MSG* message) {
    if (TranslateAcceleratorW(MainWindowHandle, MainWindow.accelerators, message)) return;
    if (RouteDrawRecordMessage(message)) return;
    TranslateMessage(message);
    DispatchMessageW(message);
}
