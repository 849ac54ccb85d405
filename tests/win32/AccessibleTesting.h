// Talking to an accessible object as a screen reader does, for the tests in and outside the program.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <string>

inline VARIANT ChildId(LONG id) {
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

// The name, or "(error <code>)" when the call fails; result, when given, gets the call's answer.
inline std::wstring NameOf(IAccessible* object, LONG child, HRESULT* result = nullptr) {
    BSTR name = nullptr;
    HRESULT answer = object->get_accName(ChildId(child), &name);
    std::wstring text = name != nullptr ? std::wstring(name, SysStringLen(name)) : L"";
    SysFreeString(name);
    if (result != nullptr) *result = answer;
    return SUCCEEDED(answer) ? text : L"(error " + std::to_wstring(answer) + L")";
}
