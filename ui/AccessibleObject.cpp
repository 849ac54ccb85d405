// What every accessible object of ours shares: reference counting, the platform's standard object for
// whatever is not overridden, and an end when the window goes.
#include "ui/AccessibleObject.h"

#include "ui/OnDemandLibraries.h"

// A screen reader may hold an object long after asking, and the program's window may be gone by then.
static unsigned WindowGeneration = 0;

void DisconnectAccessibleObjects() { WindowGeneration++; }

// By hand, not VariantInit: that would make OLEAUT32 an import of the program.
static void MarkEmpty(VARIANT* variant) { variant->vt = VT_EMPTY; }

static VARIANT ChildId(LONG element) {
    VARIANT child = {};
    child.vt = VT_I4;
    child.lVal = element;
    return child;
}

AccessibleObject::AccessibleObject(HWND window, IAccessible* standard, LONG elementCount)
    : window(window), elementCount(elementCount), standard(standard), generation(WindowGeneration) {}

AccessibleObject::~AccessibleObject() { standard->Release(); }

// A handle can be reused by a later window, so the generation decides, not the handle alone.
bool AccessibleObject::Gone() const { return generation != WindowGeneration || !IsWindow(window); }

LONG AccessibleObject::Element(const VARIANT& child) const {
    if (child.vt != VT_I4 || child.lVal < CHILDID_SELF || child.lVal > elementCount) return -1;
    return child.lVal;
}

HRESULT AccessibleObject::QueryInterface(REFIID interfaceId, void** object) {
    if (interfaceId != __uuidof(IUnknown) && interfaceId != __uuidof(IDispatch) &&
        interfaceId != __uuidof(IAccessible)) {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    *object = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
}

ULONG AccessibleObject::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references)); }

ULONG AccessibleObject::Release() {
    LONG left = InterlockedDecrement(&references);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

// No type information: clients call the IAccessible methods directly, as every screen reader does.
HRESULT AccessibleObject::GetTypeInfoCount(UINT* count) {
    *count = 0;
    return S_OK;
}

HRESULT AccessibleObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    *info = nullptr;
    return E_NOTIMPL;
}

HRESULT AccessibleObject::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

HRESULT AccessibleObject::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
    return E_NOTIMPL;
}

HRESULT AccessibleObject::get_accParent(IDispatch** parent) {
    *parent = nullptr;
    return Gone() ? RPC_E_DISCONNECTED : standard->get_accParent(parent);
}

HRESULT AccessibleObject::get_accChildCount(LONG* count) {
    *count = 0;
    if (Gone()) return RPC_E_DISCONNECTED;
    if (elementCount == 0) return standard->get_accChildCount(count);
    *count = elementCount;
    return S_OK;
}

// Elements have no object of their own: the caller asks this one about them by number.
HRESULT AccessibleObject::get_accChild(VARIANT child, IDispatch** object) {
    *object = nullptr;
    if (Gone()) return RPC_E_DISCONNECTED;
    return Element(child) > CHILDID_SELF ? S_FALSE : standard->get_accChild(child, object);
}

HRESULT AccessibleObject::get_accName(VARIANT child, BSTR* name) {
    *name = nullptr;
    if (Gone()) return RPC_E_DISCONNECTED;
    LONG element = Element(child);
    return element >= 0 ? Name(element, name) : standard->get_accName(child, name);
}

// Our elements have a name and nothing more to say.
HRESULT AccessibleObject::get_accValue(VARIANT child, BSTR* value) {
    *value = nullptr;
    if (Gone()) return RPC_E_DISCONNECTED;
    return Element(child) > CHILDID_SELF ? S_FALSE : standard->get_accValue(child, value);
}

HRESULT AccessibleObject::get_accDescription(VARIANT child, BSTR* description) {
    *description = nullptr;
    if (Gone()) return RPC_E_DISCONNECTED;
    return Element(child) > CHILDID_SELF ? S_FALSE : standard->get_accDescription(child, description);
}

HRESULT AccessibleObject::get_accRole(VARIANT child, VARIANT* role) {
    MarkEmpty(role);
    if (Gone()) return RPC_E_DISCONNECTED;
    LONG element = Element(child);
    return element >= 0 ? Role(element, role) : standard->get_accRole(child, role);
}

HRESULT AccessibleObject::get_accState(VARIANT child, VARIANT* state) {
    MarkEmpty(state);
    if (Gone()) return RPC_E_DISCONNECTED;
    LONG element = Element(child);
    return element >= 0 ? State(element, state) : standard->get_accState(child, state);
}

HRESULT AccessibleObject::get_accHelp(VARIANT child, BSTR* help) {
    *help = nullptr;
    if (Gone()) return RPC_E_DISCONNECTED;
    return Element(child) > CHILDID_SELF ? S_FALSE : standard->get_accHelp(child, help);
}

HRESULT AccessibleObject::get_accHelpTopic(BSTR* helpFile, VARIANT child, LONG* topic) {
    *helpFile = nullptr;
    return Gone() ? RPC_E_DISCONNECTED : standard->get_accHelpTopic(helpFile, child, topic);
}

HRESULT AccessibleObject::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    *shortcut = nullptr;
    if (Gone()) return RPC_E_DISCONNECTED;
    return Element(child) > CHILDID_SELF ? S_FALSE : standard->get_accKeyboardShortcut(child, shortcut);
}

HRESULT AccessibleObject::get_accFocus(VARIANT* child) {
    MarkEmpty(child);
    return Gone() ? RPC_E_DISCONNECTED : standard->get_accFocus(child);
}

HRESULT AccessibleObject::get_accSelection(VARIANT* children) {
    MarkEmpty(children);
    return Gone() ? RPC_E_DISCONNECTED : standard->get_accSelection(children);
}

HRESULT AccessibleObject::get_accDefaultAction(VARIANT child, BSTR* action) {
    *action = nullptr;
    if (Gone()) return RPC_E_DISCONNECTED;
    LONG element = Element(child);
    return element >= 0 ? DefaultAction(element, action) : standard->get_accDefaultAction(child, action);
}

HRESULT AccessibleObject::accSelect(LONG flags, VARIANT child) {
    return Gone() ? RPC_E_DISCONNECTED : standard->accSelect(flags, child);
}

HRESULT AccessibleObject::accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) {
    *left = *top = *width = *height = 0;
    if (Gone()) return RPC_E_DISCONNECTED;
    LONG element = Element(child);
    return element >= 0 ? Location(element, left, top, width, height)
                        : standard->accLocation(left, top, width, height, child);
}

HRESULT AccessibleObject::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
    MarkEmpty(end);
    if (Gone()) return RPC_E_DISCONNECTED;
    LONG element = Element(start);
    return element >= 0 ? Navigate(direction, element, end) : standard->accNavigate(direction, start, end);
}

HRESULT AccessibleObject::accHitTest(LONG x, LONG y, VARIANT* child) {
    MarkEmpty(child);
    return Gone() ? RPC_E_DISCONNECTED : HitTest(x, y, child);
}

HRESULT AccessibleObject::accDoDefaultAction(VARIANT child) {
    if (Gone()) return RPC_E_DISCONNECTED;
    LONG element = Element(child);
    return element >= 0 ? DoDefaultAction(element) : standard->accDoDefaultAction(child);
}

HRESULT AccessibleObject::put_accName(VARIANT child, BSTR name) {
    return Gone() ? RPC_E_DISCONNECTED : standard->put_accName(child, name);
}

HRESULT AccessibleObject::put_accValue(VARIANT child, BSTR value) {
    return Gone() ? RPC_E_DISCONNECTED : standard->put_accValue(child, value);
}

HRESULT AccessibleObject::Name(LONG element, BSTR* name) { return standard->get_accName(ChildId(element), name); }

HRESULT AccessibleObject::Role(LONG element, VARIANT* role) { return standard->get_accRole(ChildId(element), role); }

HRESULT AccessibleObject::State(LONG element, VARIANT* state) {
    return standard->get_accState(ChildId(element), state);
}

HRESULT AccessibleObject::DefaultAction(LONG element, BSTR* action) {
    return standard->get_accDefaultAction(ChildId(element), action);
}

HRESULT AccessibleObject::DoDefaultAction(LONG element) { return standard->accDoDefaultAction(ChildId(element)); }

HRESULT AccessibleObject::Location(LONG element, LONG* left, LONG* top, LONG* width, LONG* height) {
    return standard->accLocation(left, top, width, height, ChildId(element));
}

HRESULT AccessibleObject::Navigate(LONG direction, LONG element, VARIANT* end) {
    return standard->accNavigate(direction, ChildId(element), end);
}

HRESULT AccessibleObject::HitTest(LONG x, LONG y, VARIANT* child) { return standard->accHitTest(x, y, child); }

HRESULT AccessibleObject::Text(const std::wstring& text, BSTR* result) {
    *result = nullptr;
    if (text.empty()) return S_FALSE;
    *result = CallSysAllocString(text);
    return *result != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT AccessibleObject::Number(LONG value, VARIANT* result) {
    *result = ChildId(value);
    return S_OK;
}
