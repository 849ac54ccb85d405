// The display as a screen reader sees it: the main window's client area, named by what it says.
#include "ui/AccessibleDisplay.h"

#include "ui/Display.h"

AccessibleDisplay::AccessibleDisplay(HWND window, IAccessible* standard) : AccessibleObject(window, standard, 0) {}

// Read at every request, so the name follows a change of language as the paint does.
HRESULT AccessibleDisplay::Name(LONG, BSTR* name) { return Text(DisplayText(), name); }
