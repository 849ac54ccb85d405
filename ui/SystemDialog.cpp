// The system dialog: its texts, the help and web commands, and the dispatch of its buttons.
#include "ui/SystemDialog.h"

#include "core/Product.h"
#include "resources/resource.h"
#include "text/Ansi.h"
#include "text/Config.h"
#include "text/TextResources.h"
#include "text/TextTable.h"
#include "ui/Display.h"
#include "ui/DisplayScale.h"
#include "ui/FontChoice.h"
#include "ui/LanguageSwitch.h"
#include "ui/OnDemandLibraries.h"
#include "ui/UiServices.h"

#include <algorithm>
#include <string_view>

void SetControlText(HWND dialog, int control, const std::wstring& text) {
    SetWindowTextW(GetDlgItem(dialog, control), text.c_str());
}

// Again after a language switch, so the dialog follows the texts now in force.
void SetDialogTexts(HWND dialog) {
    SetControlText(dialog, IDC_TITLE, WidenAnsi(ProductTitle));
    SetControlText(dialog, IDC_LANGUAGE, LanguageName);
    SetControlText(dialog, IDC_UI_CREDITS, TextTable[TS_UI_CREDITS]);
    SetControlText(dialog, IDC_HELP_CREDITS, TextTable[TS_HELP_CREDITS]);
}

// An empty name is refused here: the shell would open the current folder in its place.
bool OpenDocument(const std::wstring& pathOrAddress) {
    if (pathOrAddress.empty()) return false;
    HINSTANCE result = CallShellExecute(nullptr, L"open", pathOrAddress.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

// The help file's name comes from a language file, and players take those from strangers: the shell
// would run a program, a script or a shortcut named there, so only a document goes to it. The type is
// what follows the name's last dot; a trailing dot or space, which Windows drops, counts as no type.
static const wchar_t* const DocumentTypes[] = {L"txt", L"rtf", L"htm", L"html", L"pdf", L"md"};

static bool IsDocumentName(const std::wstring& path) {
    if (HoldsControlCharacter(path)) return false;  // the shell would stop at a U+0000 and see another name
    const std::size_t dot = path.find_last_of(L"./\\");
    if (dot == std::wstring::npos || path[dot] != L'.') return false;
    const std::wstring_view type = std::wstring_view(path).substr(dot + 1);
    auto sameLetter = [](wchar_t c, wchar_t lower) { return (c | 0x20) == lower; };  // A-Z as a-z
    for (std::wstring_view document : DocumentTypes)
        if (type.size() == document.size() && std::equal(type.begin(), type.end(), document.begin(), sameLetter))
            return true;
    return false;
}

// A missing help file of a document type still goes to the shell: its viewer reports it. A refused name
// is shown whole, its control characters as U+FFFD: a U+0000 would end the message there.
static void OpenHelpFile(const std::wstring& path) {
    if (IsDocumentName(path)) {
        OpenDocument(path);
        return;
    }
    std::wstring shown = path;
    std::replace_if(shown.begin(), shown.end(), IsControlCharacter, L'\uFFFD');
    ShowMessage(L"Error Open Help File:\n\n" + shown);
}

// The repaint follows OK and Cancel alike; Cancel leaves the font and colour as they were.
static void ChooseFontAndRepaint(HWND dialog) {
    ChooseDisplayFont(InstanceHandle, dialog, DisplayFont, FontRequest);
    RepaintWholeWindow();
}

static INT_PTR OnDialogCommand(HWND dialog, int command) {
    switch (command) {
    case IDOK:
        EndDialog(dialog, IDOK);
        return TRUE;
    case IDCANCEL:  // Esc and the close box
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    case IDC_WWW:
        OpenDocument(WidenAnsi(ProductWebAddress));  // a browser that won't start has shown its own complaint
        return TRUE;
    case IDC_FONT:
        ChooseFontAndRepaint(dialog);
        return TRUE;
    case IDC_RULES_HELP:
        OpenHelpFile(HelpFilePath);
        return TRUE;
    case IDC_LANGUAGE:
        if (SwitchLanguage(dialog)) SetDialogTexts(dialog);
        return TRUE;
    }
    return FALSE;
}

// Sets the picture of every bitmap control (null: none) and deletes the one it had.
static BOOL CALLBACK ReplacePictureOf(HWND control, LPARAM picture) {
    if ((GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK) != SS_BITMAP) return TRUE;
    HANDLE previous = reinterpret_cast<HANDLE>(SendMessageW(control, STM_SETIMAGE, IMAGE_BITMAP, picture));
    if (previous != nullptr && previous != reinterpret_cast<HANDLE>(picture)) DeleteObject(previous);
    return TRUE;
}

// The picture control loads bitmap 134 from the template and not every static control deletes it again,
// so each opening would leak one bitmap; taking it back first keeps it from being deleted twice.
static void ReleaseDialogPicture(HWND dialog) { EnumChildWindows(dialog, ReplacePictureOf, 0); }

// The dialog's units follow the system's scaling for dialogs (Wine 8 keeps "System" 8 at its 96-DPI
// size at every DPI) but a bitmap control keeps the bitmap's own size: where the units grew, the picture
// is grown in whole pixels to fill its box in the template as it does at 96 DPI, and the control follows.
static void FitDialogPicture(HWND dialog) {
    RECT box = {0, 0, DIALOG_PICTURE_UNITS_X, DIALOG_PICTURE_UNITS_Y};
    MapDialogRect(dialog, &box);
    auto original = static_cast<HBITMAP>(LoadImageW(InstanceHandle, MAKEINTRESOURCEW(IDB_DIALOG_PICTURE), IMAGE_BITMAP,
                                                    0, 0, LR_CREATEDIBSECTION));
    BITMAP shape = {};
    HBITMAP scaled = nullptr;
    if (original != nullptr && GetObjectW(original, sizeof(shape), &shape) != 0 && shape.bmWidth > 0 &&
        shape.bmHeight > 0) {
        // Whichever side fills its box first sets the scale; at 96 DPI that is the bitmap's own size.
        SIZE size = {box.right, MulDiv(shape.bmHeight, box.right, shape.bmWidth)};
        if (size.cy > box.bottom) size = {MulDiv(shape.bmWidth, box.bottom, shape.bmHeight), box.bottom};
        if (size.cx > shape.bmWidth)  // never smaller than drawn: a box short of it stays as it always was
            scaled = StretchBitmapNearest(original, size.cx, size.cy);
    }
    if (original != nullptr) DeleteObject(original);
    if (scaled != nullptr) EnumChildWindows(dialog, ReplacePictureOf, reinterpret_cast<LPARAM>(scaled));
}

// The picture is fitted again once the system has laid the dialog out for a monitor of another scale.
constexpr UINT WM_FIT_PICTURE = WM_APP + 1;

INT_PTR CALLBACK SystemDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        SetDialogTexts(dialog);
        FitDialogPicture(dialog);
        return TRUE;  // the focus goes to Game Rules Help, the default button, so Enter opens the help
    case WM_COMMAND:
        return OnDialogCommand(dialog, LOWORD(wParam));  // the notification code makes no difference
    case WM_DPICHANGED:  // the system lays the controls out anew after this; the picture is ours
        PostMessageW(dialog, WM_FIT_PICTURE, 0, 0);
        return FALSE;
    case WM_FIT_PICTURE:
        FitDialogPicture(dialog);
        return TRUE;
    case WM_DESTROY:
        ReleaseDialogPicture(dialog);
        return FALSE;
    }
    return FALSE;
}
