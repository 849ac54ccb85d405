// What the core and the loaders need from the user interface; ui/ defines them, tests record them.
#pragma once

#include <cstdint>
#include <string>

int ShowMessage(const std::wstring& text);
void RequestRepaint();
std::uint32_t MillisecondClock();
