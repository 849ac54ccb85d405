// The display's lines: drawn with one font, or copied back from the ink kept of an earlier picture.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "ui/Dib32.h"

constexpr int LINE_SPACING = 16;  // from one line's centre to the next

// Where the lines go: a DC with the section selected, its pixels, and the grey its field was filled with.
struct LineCanvas {
    HDC dc;
    Dib32Rows rows;
    std::uint32_t field;
};

// The lines centred under each other from first. Line seldomAgain, where there is one, is never kept;
// inked grows by every line's ink.
void ComposeLines(const LineCanvas& canvas, POINT first, const std::vector<std::wstring>& lines,
                  const LOGFONTW& font, COLORREF colour, std::size_t seldomAgain, RECT* inked);
void ForgetKeptLines();  // with the buffer they were drawn in

// The lines centred under each other from first, drawn with one font made for them; false when a line came
// out as the error text.
bool DrawLines(HDC target, const LOGFONTW& font, COLORREF colour, POINT first, const std::vector<std::wstring>& lines);
