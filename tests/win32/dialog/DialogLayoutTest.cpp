// The system dialog as it stands on the screen: its layout in the fonts in use, and the owner of its boxes.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string_view>
#include <vector>

#include "resources/resource.h"
#include "tests/win32/TestWindow.h"
#include "tests/win32/dialog/DialogFixture.h"
#include "text/TextTable.h"
#include "ui/SystemDialog.h"
#include "ui/UiServices.h"

using SystemDialog = DialogFixture;

namespace {

RECT RectIn(HWND dialog, HWND control) {
    RECT rect = {};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool Holds(const RECT& outer, const RECT& inner) {
    RECT common;
    return IntersectRect(&common, &outer, &inner) && EqualRect(&common, &inner);
}

// The first child of that class and type whose rectangle holds inner; any one when inner is null.
HWND ChildOfType(HWND dialog, const wchar_t* className, DWORD typeMask, DWORD type, const RECT* inner) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[16] = {};
        GetClassNameW(child, name, static_cast<int>(std::size(name)));
        if (lstrcmpiW(name, className) == 0 && (GetWindowLongW(child, GWL_STYLE) & typeMask) == type &&
            (inner == nullptr || Holds(RectIn(dialog, child), *inner)))
            return child;
    }
    return nullptr;
}

// The width of the text's ink in the box's own font, and the width the box has for it. A bitmap font's
// advance ends in a blank column, which the box may cut without cutting anything of the text.
std::pair<int, int> InkAndRoom(HWND box) {
    wchar_t text[256] = {};
    const int length = GetWindowTextW(box, text, static_cast<int>(std::size(text)));
    RECT room = {};
    SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
    PixelCanvas canvas(2 * (room.right - room.left), 2 * (room.bottom - room.top));
    HGDIOBJ previous = SelectObject(canvas.dc, reinterpret_cast<HGDIOBJ>(SendMessageW(box, WM_GETFONT, 0, 0)));
    SetBkMode(canvas.dc, TRANSPARENT);
    SetTextColor(canvas.dc, RGB(0, 0, 0));
    TextOutW(canvas.dc, 0, 0, text, length);
    SelectObject(canvas.dc, previous);
    int first = canvas.width, last = -1;
    for (int x = 0; x < canvas.width; x++) {
        for (int y = 0; y < canvas.height; y++) {
            if (canvas.At(x, y) == 0xB0B0B0) continue;
            first = std::min(first, x);
            last = x;
        }
    }
    return {last - first + 1, room.right - room.left};
}

}  // namespace

// Without Wine's own fonts "System" became a wide outline font with small dialog units: the 130 x 171
// picture ran over the credits frame and the first credits line was cut off.
TEST_F(SystemDialog, PictureAndBuiltInCreditsFitTheirFrames) {
    ResetTextTableToDefaults();
    RECT client = {}, picture = {}, frame = {};
    std::vector<std::pair<int, int>> credits;
    bool ran = false;
    RunSystemDialog({{L"Game Rules Help",
                      [&](HWND dialog) {
                          GetClientRect(dialog, &client);
                          picture = RectIn(dialog, ChildOfType(dialog, L"Static", SS_TYPEMASK, SS_BITMAP, nullptr));
                          const RECT firstLine = RectIn(dialog, GetDlgItem(dialog, IDC_UI_CREDITS));
                          frame = RectIn(dialog, ChildOfType(dialog, L"Button", BS_TYPEMASK, BS_GROUPBOX, &firstLine));
                          for (int id : {IDC_UI_CREDITS, IDC_HELP_CREDITS})
                              credits.push_back(InkAndRoom(GetDlgItem(dialog, id)));
                          PostCommand(dialog, IDOK);
                      }}},
                    &ran);
    ASSERT_TRUE(ran);
    EXPECT_EQ(130, picture.right - picture.left);
    EXPECT_EQ(171, picture.bottom - picture.top);
    EXPECT_TRUE(Holds(client, picture)) << "the picture's bottom " << picture.bottom << ", the dialog's "
                                        << client.bottom;
    RECT overlap;
    EXPECT_FALSE(IntersectRect(&overlap, &picture, &frame))
        << "the picture's bottom " << picture.bottom << " runs into the credits frame at " << frame.top;
    ASSERT_EQ(2u, credits.size());
    for (const auto& [ink, room] : credits) {
        EXPECT_GT(ink, 0);
        EXPECT_LE(ink, room);
    }
}

// The font and file boxes belong to the dialog they were opened from, so they stay over it and it waits.
TEST_F(SystemDialog, ItsFontAndFileBoxesAreOwnedByIt) {
    HWND dialog = nullptr;
    std::vector<HWND> owners;
    const auto noteOwnerAndCancel = [&owners](HWND box) {
        owners.push_back(GetWindow(box, GW_OWNER));
        PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
    };
    bool ran = false;
    RunSystemDialog({{L"Game Rules Help",
                      [&dialog](HWND shown) {
                          dialog = shown;
                          PostCommand(shown, IDC_FONT);
                      }},
                     {L"", noteOwnerAndCancel, IsFontDialog},
                     {L"Game Rules Help", [](HWND shown) { PostCommand(shown, IDC_LANGUAGE); }},
                     {L"Change Language", noteOwnerAndCancel},
                     {L"Game Rules Help", [](HWND shown) { PostCommand(shown, IDOK); }}},
                    &ran);
    ASSERT_TRUE(ran);
    EXPECT_EQ((std::vector<HWND>{dialog, dialog}), owners);
}

// Where the system grows the dialog's units (on Windows at a larger scale; here by a larger font in the
// same template, since Wine keeps "System" 8 at its 96-DPI size), the picture grows with them in whole
// pixels, filling its box as it does at 96 DPI.
TEST_F(SystemDialog, ThePictureGrowsInWholePixelsWithTheDialogsUnits) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(IDD_SYSTEM), RT_DIALOG);
    ASSERT_NE(nullptr, found);
    const auto* start = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
    std::vector<BYTE> bytes(start, start + SizeofResource(module, found));
    // "Tahoma" 16 for "System" 8: a name of the same length, so nothing after it moves.
    auto* units = reinterpret_cast<char16_t*>(bytes.data());
    const size_t face = std::u16string_view(units, bytes.size() / 2).find(u"System");
    ASSERT_NE(std::u16string_view::npos, face);
    std::copy_n(u"Tahoma", 6, units + face);
    units[face - 1] = 16;  // the point size stands just before the face name
    RECT picture = {}, box = {0, 0, DIALOG_PICTURE_UNITS_X, DIALOG_PICTURE_UNITS_Y};
    std::vector<DWORD> shown;
    const bool ran = PlayDialogs(
        [&] {
            DialogBoxIndirectParamW(module, reinterpret_cast<const DLGTEMPLATE*>(bytes.data()), MainWindowHandle,
                                    SystemDialogProc, 0);
        },
        {Answer(IDOK, [&](HWND dialog) {
            UpdateWindow(dialog);
            HWND control = ChildOfType(dialog, L"Static", SS_TYPEMASK, SS_BITMAP, nullptr);
            GetClientRect(control, &picture);
            shown = ScreenPixels(control);
            MapDialogRect(dialog, &box);
        })});
    ASSERT_TRUE(ran);
    EXPECT_GT(picture.right, 130);
    EXPECT_TRUE(picture.right == box.right || picture.bottom == box.bottom)
        << picture.right << " x " << picture.bottom << " in a box of " << box.right << " x " << box.bottom;
    auto original = static_cast<HBITMAP>(
        LoadImageW(module, MAKEINTRESOURCEW(IDB_DIALOG_PICTURE), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    PixelCanvas grown(picture.right, picture.bottom);
    HDC source = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(source, original);
    SetStretchBltMode(grown.dc, COLORONCOLOR);
    StretchBlt(grown.dc, 0, 0, picture.right, picture.bottom, source, 0, 0, 130, 171, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
    DeleteObject(original);
    EXPECT_EQ("", FirstDifference(shown, CanvasPixels(grown), picture.right, 0));
}
