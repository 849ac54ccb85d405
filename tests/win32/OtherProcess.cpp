// zarvik.exe run as a process of its own, in a fresh folder, and finding the windows of that process.
#include "tests/win32/OtherProcess.h"

#include <dlgs.h>
#include <psapi.h>
#include <tlhelp32.h>

#include <vector>

#include "probes/ProcessWindows.h"
#include "resources/resource.h"
#include "tests/win32/TestWindow.h"

namespace {

// One row of the system's extended handle table (SystemExtendedHandleInformation, class 64).
struct HandleEntry {
    void* object;
    ULONG_PTR processId;
    ULONG_PTR handle;
    ULONG access;
    USHORT backTrace;
    USHORT type;
    ULONG attributes;
    ULONG reserved;
};

DWORD CountHandles(DWORD processId) {
    using QueryFunction = LONG(WINAPI*)(ULONG, void*, ULONG, ULONG*);
    auto query = reinterpret_cast<QueryFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
    const LONG tooSmall = static_cast<LONG>(0xC0000004);
    std::vector<ULONG_PTR> table(1 << 16);  // a count, a reserved word, then the rows
    LONG status = tooSmall;
    while (query != nullptr && status == tooSmall) {
        ULONG needed = 0;
        status = query(64, table.data(), static_cast<ULONG>(table.size() * sizeof(ULONG_PTR)), &needed);
        if (status == tooSmall) table.resize(table.size() * 2);
    }
    if (status != 0) return 0;
    const auto* rows = reinterpret_cast<const HandleEntry*>(table.data() + 2);
    DWORD count = 0;
    for (ULONG_PTR i = 0; i < table[0]; i++) count += rows[i].processId == processId ? 1 : 0;
    return count;
}

DWORD CountThreads(DWORD processId) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 0;
    THREADENTRY32 thread = {};
    thread.dwSize = sizeof(thread);
    DWORD count = 0;
    for (BOOL more = Thread32First(snapshot, &thread); more; more = Thread32Next(snapshot, &thread))
        count += thread.th32OwnerProcessID == processId ? 1 : 0;
    CloseHandle(snapshot);
    return count;
}

}  // namespace

std::wstring HostPath(const std::string& host) {
    std::wstring path = !host.empty() && host.front() == '/' ? L"Z:" : L"";
    for (char c : host) path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    return path;
}

std::wstring ProgramPath() { return HostPath(ZARVIK_EXE); }

HWND WaitForWindow(DWORD processId, const wchar_t* className, const std::wstring& caption, DWORD timeoutMs) {
    HWND found = nullptr;
    PumpUntil([&] { return (found = FindProcessWindow(processId, className, caption)) != nullptr; }, timeoutMs);
    return found;
}

bool ChooseLanguageIn(DWORD processId, HWND main, const std::wstring& path) {
    PostMessageW(main, WM_COMMAND, ID_HELP, 0);
    HWND dialog = WaitForWindow(processId, L"#32770", L"Game Rules Help");
    if (dialog == nullptr) return false;
    PostMessageW(dialog, WM_COMMAND, IDC_LANGUAGE, 0);
    HWND files = WaitForWindow(processId, L"#32770", L"Change Language");
    if (files == nullptr) return false;
    SetDlgItemTextW(files, cmb13, path.c_str());
    PostMessageW(files, WM_COMMAND, IDOK, 0);
    if (!PumpUntil([files] { return !IsWindow(files); }, 10000)) return false;
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);  // handled once the switch is over
    return PumpUntil([dialog] { return !IsWindow(dialog); }, 10000);
}

Footprint FootprintOf(HANDLE process) {
    Footprint footprint;
    DWORD processId = GetProcessId(process);
    footprint.handles = CountHandles(processId);
    footprint.threads = CountThreads(processId);
    PROCESS_MEMORY_COUNTERS memory = {};
    if (GetProcessMemoryInfo(process, &memory, sizeof(memory))) footprint.committedBytes = memory.PagefileUsage;
    return footprint;
}

void ProgramFixture::SetUp() {
    ASSERT_TRUE(CopyFileW(ProgramPath().c_str(), (folder + L"zarvik.exe").c_str(), TRUE)) << GetLastError();
    ASSERT_TRUE(CreateDirectoryW((folder + L"Languages").c_str(), nullptr));
}

// The process must be gone before the temporary folder is removed with its files.
void ProgramFixture::TearDown() {
    if (process.hProcess == nullptr) return;
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process.hProcess, 99);
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
}

void ProgramFixture::Start() {
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    std::wstring commandLine = L"\"" + folder + L"zarvik.exe\"";
    ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                               &startup, &process))
        << GetLastError();
}

DWORD ProgramFixture::ExitCode() {
    DWORD code = 12345;
    if (WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &code);
    return code;
}
