// Writes every picture of the program into one folder.
#pragma once

#include <string>

// PieceStrip.bmp, App.ico and DialogPicture.bmp; true when every file was written whole.
bool WriteAllArt(const std::string& folder);
