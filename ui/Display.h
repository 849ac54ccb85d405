// The display: a half-size back buffer with the piece picture and the announcement lines, stretched x2.
#pragma once

#include <windows.h>

#include <string>

#include "ui/Dib32.h"

struct BackBufferData {
    HBITMAP bitmap;
    void* pixels;
    int width;
    int height;
};

extern BackBufferData BackBuffer;
extern POINT TextOrigin;
extern LOGFONTW DisplayFont;  // an empty face name means the stock system font
extern COLORREF TextColour;

void PaintDisplay();
// A paint of only the part of the window whose picture changes, for a draw or New Game; RepaintWholeWindow
// repaints the whole window.
void RepaintChangedPart();
// Answers WM_SETTINGCHANGE: a change of the system's font smoothing draws the display afresh.
void RedrawAfterSettingChange(UINT setting);
void PaintDisplayBackground(HDC target);
void ReleaseBackBuffer();  // and the strip the pictures come from
// The picture's tiles copied into target, top its toolbar's extent; drawn, where given, gets where they went.
void DrawPiecePicture(const Dib32Rows& target, int top, RECT* drawn = nullptr);
// Answers WM_GETMINMAXINFO: with two or three dice the window stays wide enough for the turn's whole row.
void KeepTurnRowWhole(MINMAXINFO* limits);
// What the display says, its lines joined by a space, in the texts in force: what a screen reader reads.
std::wstring DisplayText();
