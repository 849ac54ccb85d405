// Stands in for ShellExecuteW by rewriting this program's own import address table.
#include "tests/win32/dialog/ShellSpy.h"

#include <shellapi.h>

std::vector<ShellCall> ShellCalls;
INT_PTR ShellAnswer = 42;

static HINSTANCE WINAPI RecordShellExecute(HWND owner, const wchar_t* verb, const wchar_t* file,
                                           const wchar_t* parameters, const wchar_t* directory, int show) {
    ShellCalls.push_back({owner, verb ? verb : L"(null)", file ? file : L"(null)", parameters != nullptr,
                          directory != nullptr, show});
    return reinterpret_cast<HINSTANCE>(ShellAnswer);
}

// Every import slot that holds the real function's address gets the stand-in's.
bool InstallShellSpy() {
    HMODULE shell = LoadLibraryW(L"shell32.dll");
    const auto real = reinterpret_cast<ULONG_PTR>(GetProcAddress(shell, "ShellExecuteW"));
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
    const auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    bool found = false;
    for (auto* entry = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); entry->Name != 0;
         entry++) {
        for (auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->FirstThunk); slot->u1.Function != 0;
             slot++) {
            if (slot->u1.Function != real) continue;
            DWORD protection;
            VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, PAGE_READWRITE, &protection);
            slot->u1.Function = reinterpret_cast<ULONG_PTR>(&RecordShellExecute);
            VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, protection, &protection);
            found = true;
        }
    }
    return found;
}
