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

// An object with elements of its own answers for every child it has; any other id names nothing, and
// handing it to the standard object would answer for a child the screen reader never saw.
LONG AccessibleObject::Element(const VARIANT& child) const {
    const bool valid = child.vt == VT_I4 && child.lVal >= CHILDID_SELF && child.lVal <= elementCount;
    if (elementCount == 0) return valid ? child.lVal : NOT_OURS;
    return valid ? child.lVal : REFUSED;
}

HRESULT AccessibleObject::QueryInterface(REFIID interfaceId, void** object) {
    if (object == nullptr) return E_POINTER;
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
    if (count == nullptr) return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT AccessibleObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info == nullptr) return E_POINTER;
    *info = nullptr;
    return E_NOTIMPL;
}

HRESULT AccessibleObject::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

HRESULT AccessibleObject::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
    return E_NOTIMPL;
}

HRESULT AccessibleObject::get_accParent(IDispatch** parent) {
    if (parent == nullptr) return E_POINTER;
    *parent = nullptr;
    return Gone() ? RPC_E_DISCONNECTED : standard->get_accParent(parent);
}

HRESULT AccessibleObject::get_accChildCount(LONG* count) {
    if (count == nullptr) return E_POINTER;
    *count = 0;
    if (Gone()) return RPC_E_DISCONNECTED;
    if (elementCount == 0) return standard->get_accChildCount(count);
    *count = elementCount;
    return S_OK;
}

// Elements have no object of their own: the caller asks this one about them by number.
HRESULT AccessibleObject::get_accChild(VARIANT child, IDispatch** object) {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    auto ask = [&] { return standard->get_accChild(child, object); };
    return Route(child, [&](LONG element) { return element > CHILDID_SELF ? S_FALSE : ask(); }, ask);
}

HRESULT AccessibleObject::get_accName(VARIANT child, BSTR* name) {
    if (name == nullptr) return E_POINTER;
    *name = nullptr;
    return Route(child, [&](LONG element) { return Name(element, name); },
                 [&] { return standard->get_accName(child, name); });
}

// Our elements have a name and nothing more to say.
HRESULT AccessibleObject::get_accValue(VARIANT child, BSTR* value) {
    if (value == nullptr) return E_POINTER;
    *value = nullptr;
    auto ask = [&] { return standard->get_accValue(child, value); };
    return Route(child, [&](LONG element) { return element > CHILDID_SELF ? S_FALSE : ask(); }, ask);
}

HRESULT AccessibleObject::get_accDescription(VARIANT child, BSTR* description) {
    if (description == nullptr) return E_POINTER;
    *description = nullptr;
    auto ask = [&] { return standard->get_accDescription(child, description); };
    return Route(child, [&](LONG element) { return element > CHILDID_SELF ? S_FALSE : ask(); }, ask);
}

HRESULT AccessibleObject::get_accRole(VARIANT child, VARIANT* role) {
    if (role == nullptr) return E_POINTER;
    MarkEmpty(role);
    return Route(child, [&](LONG element) { return Role(element, role); },
                 [&] { return standard->get_accRole(child, role); });
}

HRESULT AccessibleObject::get_accState(VARIANT child, VARIANT* state) {
    if (state == nullptr) return E_POINTER;
    MarkEmpty(state);
    return Route(child, [&](LONG element) { return State(element, state); },
                 [&] { return standard->get_accState(child, state); });
}

HRESULT AccessibleObject::get_accHelp(VARIANT child, BSTR* help) {
    if (help == nullptr) return E_POINTER;
    *help = nullptr;
    auto ask = [&] { return standard->get_accHelp(child, help); };
    return Route(child, [&](LONG element) { return element > CHILDID_SELF ? S_FALSE : ask(); }, ask);
}

HRESULT AccessibleObject::get_accHelpTopic(BSTR* helpFile, VARIANT child, LONG* topic) {
    if (helpFile == nullptr || topic == nullptr) return E_POINTER;
    *helpFile = nullptr;
    *topic = -1;
    auto ask = [&] { return standard->get_accHelpTopic(helpFile, child, topic); };
    return Route(child, [&](LONG element) { return element > CHILDID_SELF ? S_FALSE : ask(); }, ask);
}

HRESULT AccessibleObject::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    if (shortcut == nullptr) return E_POINTER;
    *shortcut = nullptr;
    auto ask = [&] { return standard->get_accKeyboardShortcut(child, shortcut); };
    return Route(child, [&](LONG element) { return element > CHILDID_SELF ? S_FALSE : ask(); }, ask);
}

HRESULT AccessibleObject::get_accFocus(VARIANT* child) {
    if (child == nullptr) return E_POINTER;
    MarkEmpty(child);
    return Gone() ? RPC_E_DISCONNECTED : standard->get_accFocus(child);
}

HRESULT AccessibleObject::get_accSelection(VARIANT* children) {
    if (children == nullptr) return E_POINTER;
    MarkEmpty(children);
    return Gone() ? RPC_E_DISCONNECTED : standard->get_accSelection(children);
}

HRESULT AccessibleObject::get_accDefaultAction(VARIANT child, BSTR* action) {
    if (action == nullptr) return E_POINTER;
    *action = nullptr;
    return Route(child, [&](LONG element) { return DefaultAction(element, action); },
                 [&] { return standard->get_accDefaultAction(child, action); });
}

HRESULT AccessibleObject::accSelect(LONG flags, VARIANT child) {
    auto ask = [&] { return standard->accSelect(flags, child); };
    return Route(child, [&](LONG) { return ask(); }, ask);
}

HRESULT AccessibleObject::accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) {
    if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) return E_POINTER;
    *left = *top = *width = *height = 0;
    return Route(child, [&](LONG element) { return Location(element, left, top, width, height); },
                 [&] { return standard->accLocation(left, top, width, height, child); });
}

HRESULT AccessibleObject::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
    if (end == nullptr) return E_POINTER;
    MarkEmpty(end);
    return Route(start, [&](LONG element) { return Navigate(direction, element, end); },
                 [&] { return standard->accNavigate(direction, start, end); });
}

HRESULT AccessibleObject::accHitTest(LONG x, LONG y, VARIANT* child) {
    if (child == nullptr) return E_POINTER;
    MarkEmpty(child);
    return Gone() ? RPC_E_DISCONNECTED : HitTest(x, y, child);
}

HRESULT AccessibleObject::accDoDefaultAction(VARIANT child) {
    return Route(child, [&](LONG element) { return DoDefaultAction(element); },
                 [&] { return standard->accDoDefaultAction(child); });
}

HRESULT AccessibleObject::put_accName(VARIANT child, BSTR name) {
    auto ask = [&] { return standard->put_accName(child, name); };
    return Route(child, [&](LONG) { return ask(); }, ask);
}

HRESULT AccessibleObject::put_accValue(VARIANT child, BSTR value) {
    auto ask = [&] { return standard->put_accValue(child, value); };
    return Route(child, [&](LONG) { return ask(); }, ask);
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
