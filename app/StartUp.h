// The program's life after its window exists: caption, texts, seed, first game, and the message loop.
#pragma once

#include <string>

extern std::wstring WindowTitle;

void StartUp();
int RunMessageLoop();
