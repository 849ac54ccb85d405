// The display as a screen reader sees it: the main window's client area, named by what it says.
#pragma once

#include "ui/AccessibleObject.h"

class AccessibleDisplay : public AccessibleObject {
public:
    AccessibleDisplay(HWND window, IAccessible* standard);

protected:
    HRESULT Name(LONG element, BSTR* name) override;
};
