// Recording stand-ins for ShowMessage, RequestRepaint and the clock.
#include "tests/support/RecordedUiServices.h"

#include "core/UiServices.h"

std::vector<std::wstring> ShownMessages;
int RepaintRequests = 0;
std::uint32_t ClockValue = 0;

void ResetRecordedUiServices() {
    ShownMessages.clear();
    RepaintRequests = 0;
    ClockValue = 0;
}

int ShowMessage(const std::wstring& text) {
    ShownMessages.push_back(text);
    return 1;  // IDOK: the player closed the box
}

void RequestRepaint() { RepaintRequests++; }

std::uint32_t MillisecondClock() { return ClockValue; }
