// The product's name and version, the one place that writes them: the caption, the system dialog, and
// through the build and scripts/product.sh the version resource, the manifest, the packages.
#pragma once

// Read by pattern outside C++ (CMakeLists.txt, scripts/): keep each definition on one line, in this shape.
// Narrow on purpose: it reaches the screen through WidenAnsi like every 8-bit text.
inline constexpr char ProductTitle[] = "Zarvik 1 Moves Generator";
inline constexpr int ProductVersion = 7;
