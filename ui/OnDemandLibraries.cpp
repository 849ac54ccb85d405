// The common dialogs and the shell, loaded the first time the system dialog needs them.
#include "ui/OnDemandLibraries.h"

#include <shellapi.h>

using ChooseFontFunction = BOOL(WINAPI*)(CHOOSEFONTW*);
using GetOpenFileNameFunction = BOOL(WINAPI*)(OPENFILENAMEW*);

ShellExecuteFunction ShellExecuteEntry = nullptr;
static ChooseFontFunction ChooseFontEntry = nullptr;
static GetOpenFileNameFunction GetOpenFileNameEntry = nullptr;

// Importing comdlg32 and shell32 made every start load both and what they import, about 30 ms of a
// 180 ms start under Wine, for a dialog most games never open. A library stays loaded once loaded.
template <typename Function>
static Function Resolve(Function& entry, const wchar_t* library, const char* name) {
    if (entry == nullptr) {
        HMODULE module = LoadLibraryW(library);
        if (module != nullptr) entry = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    }
    return entry;
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
