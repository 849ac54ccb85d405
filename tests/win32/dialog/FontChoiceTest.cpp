// The font command: it starts from the font and colour in force, OK takes the choice, Cancel keeps them.
#include <gtest/gtest.h>
#include <windows.h>

#include <dlgs.h>

#include <cstring>

#include "resources/resource.h"
#include "tests/win32/dialog/DialogFixture.h"
#include "ui/Display.h"

using FontCommand = DialogFixture;

namespace {

const DialogStep CloseSystemDialog = {L"Game Rules Help", [](HWND dialog) { PostCommand(dialog, IDOK); }};

COLORREF SelectedColour(HWND fontBox) {
    const LRESULT index = SendDlgItemMessageW(fontBox, cmb4, CB_GETCURSEL, 0, 0);
    return static_cast<COLORREF>(SendDlgItemMessageW(fontBox, cmb4, CB_GETITEMDATA, index, 0));
}

void Select(HWND fontBox, int combo, LRESULT index) {
    SendDlgItemMessageW(fontBox, combo, CB_SETCURSEL, index, 0);
    SendMessageW(fontBox, WM_COMMAND, MAKEWPARAM(combo, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(fontBox, combo)));
}

void SelectColour(HWND fontBox, COLORREF colour) {
    const LRESULT count = SendDlgItemMessageW(fontBox, cmb4, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; i++) {
        if (static_cast<COLORREF>(SendDlgItemMessageW(fontBox, cmb4, CB_GETITEMDATA, i, 0)) == colour)
            return Select(fontBox, cmb4, i);
    }
    ADD_FAILURE() << "the font dialog offers no colour " << std::hex << colour;
}

// Picks the last face in the list that is not the one shown, and returns its name.
std::wstring SelectOtherFace(HWND fontBox) {
    const LRESULT count = SendDlgItemMessageW(fontBox, cmb1, CB_GETCOUNT, 0, 0);
    const LRESULT current = SendDlgItemMessageW(fontBox, cmb1, CB_GETCURSEL, 0, 0);
    const LRESULT other = current == count - 1 ? 0 : count - 1;
    wchar_t face[LF_FACESIZE * 2] = {};
    SendDlgItemMessageW(fontBox, cmb1, CB_GETLBTEXT, other, reinterpret_cast<LPARAM>(face));
    Select(fontBox, cmb1, other);
    return face;
}

// Large enough that some pixels of each stroke carry the pure colour, not a blend with the background.
void SelectSize(HWND fontBox, const wchar_t* points) {
    const LRESULT index = SendDlgItemMessageW(fontBox, cmb3, CB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(points));
    ASSERT_NE(CB_ERR, index) << "no size " << testing::PrintToString(std::wstring(points));
    Select(fontBox, cmb3, index);
}

int PixelsOfColour(const std::vector<DWORD>& pixels, DWORD rgb) {
    int count = 0;
    for (DWORD pixel : pixels) count += (pixel & 0xFFFFFF) == rgb ? 1 : 0;
    return count;
}

}  // namespace

TEST_F(FontCommand, OkTakesFontAndColourAndRepaintsAtOnce) {
    COLORREF offered = 0x123456;
    std::wstring face;
    bool ran = false;
    RunSystemDialog({{L"Game Rules Help",
                      // The notification code in the high word makes no difference.
                      [](HWND dialog) { PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_FONT, 5), 0); }},
                     InFontBox([&](HWND fontBox) {
                         offered = SelectedColour(fontBox);
                         face = SelectOtherFace(fontBox);
                         SelectSize(fontBox, L"20");
                         SelectColour(fontBox, RGB(255, 0, 0));
                         PostMessageW(fontBox, WM_COMMAND, IDOK, 0);
                     }),
                     CloseSystemDialog},
                    &ran);
    ASSERT_TRUE(ran);
    EXPECT_EQ(RGB(0, 0, 0), offered);
    EXPECT_EQ(face, DisplayFont.lfFaceName);
    EXPECT_GT(-DisplayFont.lfHeight, 20);  // 20 points
    EXPECT_EQ(RGB(255, 0, 0), TextColour);
    const std::vector<FullPaint> paints = FullPaints();
    ASSERT_EQ(1u, paints.size());
    EXPECT_TRUE(paints[0].dialogOpen);
    EXPECT_GT(PixelsOfColour(BackBufferNow(), 0xFF0000), 20) << "the prompt is not drawn in red";
}

TEST_F(FontCommand, CancelKeepsFontAndColourAndStillRepaints) {
    DisplayFont.lfHeight = -19;
    DisplayFont.lfWeight = FW_BOLD;
    DisplayFont.lfItalic = TRUE;
    wcscpy(DisplayFont.lfFaceName, L"DejaVu Sans");
    TextColour = RGB(0, 0, 255);
    const LOGFONTW before = DisplayFont;
    COLORREF offered = 0;
    bool ran = false;
    RunSystemDialog({{L"Game Rules Help", [](HWND dialog) { PostCommand(dialog, IDC_FONT); }},
                     InFontBox([&](HWND fontBox) {
                         offered = SelectedColour(fontBox);
                         SelectOtherFace(fontBox);
                         SelectColour(fontBox, RGB(255, 0, 0));
                         PostMessageW(fontBox, WM_COMMAND, IDCANCEL, 0);
                     }),
                     CloseSystemDialog},
                    &ran);
    ASSERT_TRUE(ran);
    EXPECT_EQ(RGB(0, 0, 255), offered) << "the dialog did not start from the colour in force";
    EXPECT_EQ(0, std::memcmp(&before, &DisplayFont, sizeof before));
    EXPECT_EQ(RGB(0, 0, 255), TextColour);
    EXPECT_EQ(1u, FullPaints().size());
    EXPECT_GT(PixelsOfColour(BackBufferNow(), 0x0000FF), 20) << "the prompt is not drawn in blue any more";
}
