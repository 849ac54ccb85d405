// The product's name, version and caption, the one place that writes them: the caption, the system dialog,
// and through the build and scripts/product.sh the version resource, the manifest, the packages, the scripts.
#pragma once

#include <string>

#include "text/Ansi.h"

// Read by pattern outside C++ (CMakeLists.txt, scripts/product.sh): keep each definition on one line, in
// this shape, printable ASCII without quotes or backslashes. Narrow on purpose: each reaches the screen
// through WidenAnsi like every 8-bit text.
inline constexpr char ProductTitle[] = "Zarvik 1 Moves Generator";
inline constexpr int ProductVersion = 7;
// Between the title and the version in the caption start-up sets, by which the scripts find the window.
inline constexpr char ProductCaptionJoin[] = " version ";

// The caption once start-up has run; scripts/product.sh makes the same of the same three lines.
inline std::wstring ProductCaption() {
    // std::to_wstring, not a wide string stream: the streams would add most of a megabyte to the program.
    return WidenAnsi(ProductTitle) + WidenAnsi(ProductCaptionJoin) + std::to_wstring(ProductVersion);
}
