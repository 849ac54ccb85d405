// The toolbar as a screen reader sees it: one element per entry, separators included, numbered by toolbar
// index + 1 as the platform's own toolbar object and its events number them.
#pragma once

#include "ui/AccessibleObject.h"

class AccessibleToolbar : public AccessibleObject {
public:
    AccessibleToolbar(HWND toolbar, IAccessible* standard);

protected:
    HRESULT Name(LONG element, BSTR* name) override;
    HRESULT Role(LONG element, VARIANT* role) override;
    HRESULT State(LONG element, VARIANT* state) override;
    HRESULT DefaultAction(LONG element, BSTR* action) override;
    HRESULT DoDefaultAction(LONG element) override;
    HRESULT Location(LONG element, LONG* left, LONG* top, LONG* width, LONG* height) override;
    HRESULT Navigate(LONG direction, LONG element, VARIANT* end) override;
    HRESULT HitTest(LONG x, LONG y, VARIANT* child) override;
};

// The element of the button that carries command; 0 when no button carries it.
LONG ButtonElement(int command);
