// The product's identity, the one place that writes it: the caption, the window class, the system dialog,
// and through the build and scripts/product.sh the resources, the manifest, the installer and the scripts.
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
// The main window's class: the installer looks for a running program by it.
inline constexpr char ProductWindowClass[] = "IGAME";
// The copyright line of the system dialog and the installer's publisher.
inline constexpr char ProductPublisher[] = "Zarvik Team";
// The system dialog's web button opens it.
inline constexpr char ProductWebAddress[] = "https://zarvik.example.org";

// The caption once start-up has run; scripts/product.sh makes the same of the same three lines.
inline std::wstring ProductCaption() {
    // std::to_wstring, not a wide string stream: the streams would add most of a megabyte to the program.
    return WidenAnsi(ProductTitle) + WidenAnsi(ProductCaptionJoin) + std::to_wstring(ProductVersion);
}
