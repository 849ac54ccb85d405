// Libraries loaded the first time they are needed: the common dialogs, the shell, and what serves
// screen readers.
#include "ui/OnDemandLibraries.h"

#include <shellapi.h>

using ChooseFontFunction = BOOL(WINAPI*)(CHOOSEFONTW*);
using GetOpenFileNameFunction = BOOL(WINAPI*)(OPENFILENAMEW*);
using CoInitializeExFunction = HRESULT(WINAPI*)(void*, DWORD);
using CoUninitializeFunction = void(WINAPI*)();
using CoLockObjectExternalFunction = HRESULT(WINAPI*)(IUnknown*, BOOL, BOOL);
using CreateStdAccessibleObjectFunction = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
using LresultFromObjectFunction = LRESULT(WINAPI*)(REFIID, WPARAM, IUnknown*);
using SysAllocStringLenFunction = BSTR(WINAPI*)(const OLECHAR*, UINT);

ShellExecuteFunction ShellExecuteEntry = nullptr;
static ChooseFontFunction ChooseFontEntry = nullptr;
static GetOpenFileNameFunction GetOpenFileNameEntry = nullptr;
static CoInitializeExFunction CoInitializeExEntry = nullptr;
static CoUninitializeFunction CoUninitializeEntry = nullptr;
static CoLockObjectExternalFunction CoLockObjectExternalEntry = nullptr;
static CreateStdAccessibleObjectFunction CreateStdAccessibleObjectEntry = nullptr;
static LresultFromObjectFunction LresultFromObjectEntry = nullptr;
static SysAllocStringLenFunction SysAllocStringLenEntry = nullptr;

enum class ComUse { Untried, Ours, Others, Unavailable };
static ComUse ComState = ComUse::Untried;

// The search flag needs Windows 8, or Windows 7 with KB2533623; both bring AddDllDirectory with it, and
// without them LoadLibraryExW refuses the flag, so the system folder's full path is the way there.
HMODULE LoadSystemLibrary(const wchar_t* name) {
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    if (kernel != nullptr && GetProcAddress(kernel, "AddDllDirectory") != nullptr)
        return LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    wchar_t folder[MAX_PATH];
    UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    std::wstring path(folder, length);
    return LoadLibraryW((path + L"\\" + name).c_str());
}

// Importing comdlg32 and shell32 made every start load both and what they import, about 30 ms of a
// 180 ms start under Wine, for a dialog most games never open. A library stays loaded once loaded.
template <typename Function>
static Function Resolve(Function& entry, const wchar_t* library, const char* name) {
    if (entry == nullptr) {
        HMODULE module = LoadSystemLibrary(library);
        if (module != nullptr) entry = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    }
    return entry;
}

// A thread that is already in the multithreaded apartment can serve objects too, but is not ours to leave.
bool InitialiseCom() {
    if (ComState == ComUse::Untried) {
        ComState = ComUse::Unavailable;
        if (Resolve(CoInitializeExEntry, L"ole32.dll", "CoInitializeEx") != nullptr &&
            Resolve(CoUninitializeEntry, L"ole32.dll", "CoUninitialize") != nullptr) {
            HRESULT result = CoInitializeExEntry(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
            if (SUCCEEDED(result)) ComState = ComUse::Ours;
            if (result == RPC_E_CHANGED_MODE) ComState = ComUse::Others;
        }
    }
    return ComState == ComUse::Ours || ComState == ComUse::Others;
}

void UninitialiseCom() {
    if (ComState == ComUse::Ours) CoUninitializeEntry();
    ComState = ComUse::Untried;
}

// A library that can't be loaded reads as a dialog the player cancelled.
BOOL CallChooseFont(CHOOSEFONTW* request) {
    ChooseFontFunction chooseFont = Resolve(ChooseFontEntry, L"comdlg32.dll", "ChooseFontW");
    return chooseFont != nullptr ? chooseFont(request) : FALSE;
}

BOOL CallGetOpenFileName(OPENFILENAMEW* request) {
    GetOpenFileNameFunction getOpenFileName = Resolve(GetOpenFileNameEntry, L"comdlg32.dll", "GetOpenFileNameW");
    return getOpenFileName != nullptr ? getOpenFileName(request) : FALSE;
}

// Without the shell the answer is the shell's own "DLL not found" code, a failure like any other.
HINSTANCE CallShellExecute(HWND owner, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                           const wchar_t* directory, int show) {
    ShellExecuteFunction shellExecute = Resolve(ShellExecuteEntry, L"shell32.dll", "ShellExecuteW");
    if (shellExecute == nullptr) return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_DLLNOTFOUND));
    return shellExecute(owner, verb, file, parameters, directory, show);
}

// Most games never meet a screen reader, so nothing of this is loaded before one asks. OLE32 and
// OLEAUT32 come first: OLEACC imports both, and then finds the system folder's copies already loaded.
bool LoadAccessibility() {
    return InitialiseCom() && Resolve(CoLockObjectExternalEntry, L"ole32.dll", "CoLockObjectExternal") != nullptr &&
           Resolve(SysAllocStringLenEntry, L"oleaut32.dll", "SysAllocStringLen") != nullptr &&
           Resolve(CreateStdAccessibleObjectEntry, L"oleacc.dll", "CreateStdAccessibleObject") != nullptr &&
           Resolve(LresultFromObjectEntry, L"oleacc.dll", "LresultFromObject") != nullptr;
}

HRESULT CallCreateStdAccessibleObject(HWND window, LONG objectId, REFIID interfaceId, void** object) {
    return CreateStdAccessibleObjectEntry(window, objectId, interfaceId, object);
}

LRESULT CallLresultFromObject(REFIID interfaceId, WPARAM flags, IUnknown* object) {
    return LresultFromObjectEntry(interfaceId, flags, object);
}

HRESULT CallCoLockObjectExternal(IUnknown* object, BOOL lock, BOOL lastUnlockReleases) {
    return CoLockObjectExternalEntry(object, lock, lastUnlockReleases);
}

BSTR CallSysAllocString(const std::wstring& text) {
    return SysAllocStringLenEntry(text.c_str(), static_cast<UINT>(text.size()));
}
