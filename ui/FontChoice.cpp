// The font dialog for the display text: it starts from the font and colour in force.
#include "ui/FontChoice.h"

#include "ui/Display.h"
#include "ui/OnDemandLibraries.h"

CHOOSEFONTW FontRequest;
wchar_t FontStyleName[FONT_STYLE_NAME_LENGTH];

// The dialog works on a copy, so Cancel or a failure leaves the font and TextColour as they were.
BOOL ChooseDisplayFont(HINSTANCE instance, HWND owner, LOGFONTW& font, CHOOSEFONTW& request) {
    LOGFONTW candidate = font;
    ZeroMemory(&request, sizeof request);
    request.lStructSize = sizeof(CHOOSEFONTW);
    request.hwndOwner = owner;
    request.lpLogFont = &candidate;
    request.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_USESTYLE | CF_EFFECTS;
    request.rgbColors = TextColour;
    request.hInstance = instance;
    request.lpszStyle = FontStyleName;
    request.nFontType = SCREEN_FONTTYPE;
    BOOL chosen = CallChooseFont(&request);
    if (chosen) {
        font = candidate;
        TextColour = request.rgbColors;
    }
    request.lpLogFont = &font;  // the copy dies here; the record keeps pointing at something alive
    return chosen;
}
