// The product's name and version, shown in the caption and in the system dialog.
#pragma once

// Narrow on purpose: it reaches the screen through WidenAnsi like every 8-bit text.
inline constexpr char ProductTitle[] = "Zarvik 1 Moves Generator";
inline constexpr int ProductVersion = 7;
