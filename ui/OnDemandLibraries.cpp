// The libraries loaded the first time they are needed, only ever from the system folder: the common
// dialogs, the shell, the clock and what serves screen readers.
#include "ui/OnDemandLibraries.h"

#include <objbase.h>
#include <shellapi.h>

#include <cwchar>
#include <iterator>

using ChooseFontFunction = BOOL(WINAPI*)(CHOOSEFONTW*);
using GetOpenFileNameFunction = BOOL(WINAPI*)(OPENFILENAMEW*);
using TimeGetTimeFunction = DWORD(WINAPI*)();
using CoInitializeExFunction = HRESULT(WINAPI*)(void*, DWORD);
using CoUninitializeFunction = void(WINAPI*)();
using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
using CoLockObjectExternalFunction = HRESULT(WINAPI*)(IUnknown*, BOOL, BOOL);
using CreateStdAccessibleObjectFunction = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
using LresultFromObjectFunction = LRESULT(WINAPI*)(REFIID, WPARAM, IUnknown*);
using SysAllocStringLenFunction = BSTR(WINAPI*)(const OLECHAR*, UINT);
using SysFreeStringFunction = void(WINAPI*)(BSTR);
// The provider is an IRawElementProviderSimple; only handed on, so IUnknown will do.
using UiaHostProviderFromHwndFunction = HRESULT(WINAPI*)(HWND, IUnknown**);
using UiaRaiseNotificationEventFunction = HRESULT(WINAPI*)(IUnknown*, int, int, BSTR, BSTR);

ShellExecuteFunction ShellExecuteEntry = nullptr;
static ChooseFontFunction ChooseFontEntry = nullptr;
static GetOpenFileNameFunction GetOpenFileNameEntry = nullptr;
static TimeGetTimeFunction TimeGetTimeEntry = nullptr;
static CoInitializeExFunction CoInitializeExEntry = nullptr;
static CoUninitializeFunction CoUninitializeEntry = nullptr;
static CoLockObjectExternalFunction CoLockObjectExternalEntry = nullptr;
static CreateStdAccessibleObjectFunction CreateStdAccessibleObjectEntry = nullptr;
static LresultFromObjectFunction LresultFromObjectEntry = nullptr;
static SysAllocStringLenFunction SysAllocStringLenEntry = nullptr;
static SysFreeStringFunction SysFreeStringEntry = nullptr;
static UiaHostProviderFromHwndFunction UiaHostProviderFromHwndEntry = nullptr;
static UiaRaiseNotificationEventFunction UiaRaiseNotificationEventEntry = nullptr;
static bool NotificationLookedUp = false;

enum class ComUse { Untried, Ours, Others, Unavailable };
static ComUse ComState = ComUse::Untried;

template <typename Function>
static Function EntryOf(HMODULE module, const char* name) {
    return module == nullptr ? nullptr : reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// Players run the program from their downloads folder, where anyone may have left a DLL named like one
// of the system's. Windows 7 without its loader update (KB2533623) lacks the call, so it is looked up;
// there only the current folder can be taken out of the search, and a library that the common dialogs
// or the shell load by name, and that is not one of the system's known libraries, is still looked for
// beside the program first. It runs under the loader's lock, before the C runtime has started: kernel32
// alone, and nothing that allocates.
void SearchLibrariesInSystemFolderOnly() {
    auto setDirectories = EntryOf<SetDefaultDllDirectoriesFunction>(GetModuleHandleW(L"kernel32.dll"),
                                                                    "SetDefaultDllDirectories");
    if (setDirectories == nullptr || !setDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) SetDllDirectoryW(L"");
}

// Where the loader knows no search flags (that same Windows 7) the full path stands in, and the altered
// search sends the library's own imports to its folder, not to ours.
HMODULE LoadSystemLibrary(const wchar_t* name) {
    HMODULE module = LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (module != nullptr) return module;
    wchar_t path[MAX_PATH + 64];
    const UINT length = GetSystemDirectoryW(path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH || length + 1 + std::wcslen(name) >= std::size(path)) return nullptr;
    path[length] = L'\\';
    std::wcscpy(path + length + 1, name);
    return LoadLibraryExW(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

// Importing comdlg32 and shell32 made every start load both and what they import, about 30 ms of a
// 180 ms start under Wine, for a dialog most games never open. A library stays loaded once loaded.
template <typename Function>
static Function Resolve(Function& entry, const wchar_t* library, const char* name) {
    if (entry == nullptr) entry = EntryOf<Function>(LoadSystemLibrary(library), name);
    return entry;
}

// The shell requires COM of its callers, and so do screen readers. S_FALSE (already initialised on this
// thread) counts as ours: it wants its CoUninitialize too. A thread already in the multithreaded apartment
// can serve as well, but is not ours to leave. A failure leaves the shell to manage without.
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
    InitialiseCom();
    ShellExecuteFunction shellExecute = Resolve(ShellExecuteEntry, L"shell32.dll", "ShellExecuteW");
    if (shellExecute == nullptr) return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_DLLNOTFOUND));
    return shellExecute(owner, verb, file, parameters, directory, show);
}

// WINMM is not one of the libraries the system always takes from its own folder, so importing it ran a
// winmm.dll left beside the program before our first line. The seed needs it once; without it the
// tick count, as many milliseconds since start-up, seeds as well.
std::uint32_t MillisecondClock() {
    TimeGetTimeFunction timeGetTime = Resolve(TimeGetTimeEntry, L"winmm.dll", "timeGetTime");
    return timeGetTime != nullptr ? timeGetTime() : GetTickCount();
}

// Most games never meet a screen reader, so nothing of this is loaded before one asks. OLE32 and
// OLEAUT32 come first: OLEACC imports both, and then finds the system folder's copies already loaded.
// A thread already in the multithreaded apartment would take the calls on other threads, reading the texts
// while this one replaces them; the platform's own objects serve then.
bool LoadAccessibility() {
    return InitialiseCom() && ComState == ComUse::Ours && Resolve(CoLockObjectExternalEntry, L"ole32.dll", "CoLockObjectExternal") != nullptr &&
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

// Its values in the platform's enumerations: an action completed, and only the latest one matters.
constexpr int NOTIFICATION_ACTION_COMPLETED = 2;
constexpr int NOTIFICATION_IMPORTANT_MOST_RECENT = 1;

// Looked up once: where the call is missing, every draw would load the library again for nothing.
bool RaiseUiaNotification(HWND window, const std::wstring& text) {
    if (!LoadAccessibility()) return false;  // first, as for OLEACC: the libraries it imports
    if (!NotificationLookedUp) {
        NotificationLookedUp = true;
        HMODULE automation = LoadSystemLibrary(L"uiautomationcore.dll");
        UiaHostProviderFromHwndEntry = EntryOf<UiaHostProviderFromHwndFunction>(automation, "UiaHostProviderFromHwnd");
        UiaRaiseNotificationEventEntry =
            EntryOf<UiaRaiseNotificationEventFunction>(automation, "UiaRaiseNotificationEvent");
    }
    if (UiaHostProviderFromHwndEntry == nullptr || UiaRaiseNotificationEventEntry == nullptr ||
        Resolve(SysFreeStringEntry, L"oleaut32.dll", "SysFreeString") == nullptr)
        return false;
    IUnknown* provider = nullptr;
    if (FAILED(UiaHostProviderFromHwndEntry(window, &provider)) || provider == nullptr) return false;
    BSTR said = CallSysAllocString(text);
    BSTR activity = CallSysAllocString(L"Zarvik.Display");
    HRESULT raised = E_OUTOFMEMORY;
    if (said != nullptr && activity != nullptr)
        raised = UiaRaiseNotificationEventEntry(provider, NOTIFICATION_ACTION_COMPLETED,
                                                NOTIFICATION_IMPORTANT_MOST_RECENT, said, activity);
    SysFreeStringEntry(said);
    SysFreeStringEntry(activity);
    provider->Release();
    return SUCCEEDED(raised);
}
