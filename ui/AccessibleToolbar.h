// The toolbar as a screen reader sees it: one element per button, in toolbar order, separators left out.
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

// The element of the check button that carries command; 0 when no check button carries it.
LONG CheckButtonElement(int command);
