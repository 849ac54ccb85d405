// Test doubles of the user-interface services: they record what the code under test asked for.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

extern std::vector<std::wstring> ShownMessages;
extern int RepaintRequests;
extern std::uint32_t ClockValue;

void ResetRecordedUiServices();
