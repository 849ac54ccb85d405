// The user-interface services of the fuzzer: a count instead of a list, so memory stays flat.
#include "tests/fuzz/FuzzUiServices.h"

#include "core/UiServices.h"

int FuzzMessagesShown = 0;

int ShowMessage(const std::wstring&) {
    FuzzMessagesShown++;
    return 1;  // IDOK
}

void RequestRepaint() {}

std::uint32_t MillisecondClock() { return 0; }
