// What every accessible object of ours shares: reference counting, the platform's standard object for
// whatever is not overridden, and an end when the window goes.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <oleacc.h>

#include <string>

// The objects handed out so far answer every call with an error from now on: their window is gone.
void DisconnectAccessibleObjects();

// Answers the calls of a screen reader about one window. Its own elements (numbered 1 to elementCount,
// without objects of their own) and the object itself go to the protected functions below, and any other
// child id is refused (E_INVALIDARG); an object without elements hands other ids to the standard object,
// as it does everything the protected functions leave alone. A null out-parameter gets E_POINTER.
class AccessibleObject : public IAccessible {
public:
    // Takes over the reference to standard.
    AccessibleObject(HWND window, IAccessible* standard, LONG elementCount);
    AccessibleObject(const AccessibleObject&) = delete;
    AccessibleObject& operator=(const AccessibleObject&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID interfaceId, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID locale, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override;

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* helpFile, VARIANT child, LONG* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

protected:
    virtual ~AccessibleObject();

    // element is CHILDID_SELF or one of the object's own; the defaults ask the standard object.
    virtual HRESULT Name(LONG element, BSTR* name);
    virtual HRESULT Role(LONG element, VARIANT* role);
    virtual HRESULT State(LONG element, VARIANT* state);
    virtual HRESULT DefaultAction(LONG element, BSTR* action);
    virtual HRESULT DoDefaultAction(LONG element);
    virtual HRESULT Location(LONG element, LONG* left, LONG* top, LONG* width, LONG* height);
    virtual HRESULT Navigate(LONG direction, LONG element, VARIANT* end);
    virtual HRESULT HitTest(LONG x, LONG y, VARIANT* child);

    static HRESULT Text(const std::wstring& text, BSTR* result);  // S_FALSE and null for an empty text
    static HRESULT Number(LONG value, VARIANT* result);

    const HWND window;
    const LONG elementCount;

private:
    static constexpr LONG NOT_OURS = -1;  // for the standard object
    static constexpr LONG REFUSED = -2;   // names no child

    bool Gone() const;
    LONG Element(const VARIANT& child) const;

    // ours(element) for the object and its elements, others() for the ids that are not ours.
    template <typename Ours, typename Others>
    HRESULT Route(const VARIANT& child, Ours ours, Others others) const {
        if (Gone()) return RPC_E_DISCONNECTED;
        const LONG element = Element(child);
        if (element == REFUSED) return E_INVALIDARG;
        return element == NOT_OURS ? others() : ours(element);
    }

    LONG references = 1;
    IAccessible* standard;
    unsigned generation;
};
