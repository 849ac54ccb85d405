// What the program does with each message it takes from its queue: its own loop, the Wine harness and
// the benchmark all take this step, so what the tests drive and the benchmark times is what ships.
#pragma once

#include <windows.h>

// The main window's accelerators, then the draw record's keys, then translation and dispatch.
void DeliverMessage(MSG* message);
