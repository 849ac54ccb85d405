// Driving a program in another process: zarvik.exe started from a folder of its own, its windows found.
#include "tests/win32/OtherProcess.h"

#include <vector>

#include "tests/win32/TestWindow.h"
#include "text/StringList.h"
#include "text/TextTable.h"

namespace {

// The build passes the program's host path; Wine shows the host's root as drive Z:.
std::wstring ProgramPath() {
    std::string host = ZARVIK_EXE;
    std::wstring path = host.front() == '/' ? L"Z:" : L"";
    for (char c : host) path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    return path;
}

struct Found {
    DWORD processId;
    const wchar_t* className;
    const std::wstring& caption;
    HWND window;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM data) {
    auto* found = reinterpret_cast<Found*>(data);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (processId != found->processId || !IsWindowVisible(window) || lstrcmpW(className, found->className) != 0 ||
        (!found->caption.empty() && WindowText(window) != found->caption))
        return TRUE;
    found->window = window;
    return FALSE;
}

}  // namespace

HWND WaitForWindow(DWORD processId, const wchar_t* className, const std::wstring& caption, DWORD timeoutMs) {
    Found found = {processId, className, caption, nullptr};
    PumpUntil(
        [&] {
            EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&found));
            return found.window != nullptr;
        },
        timeoutMs);
    return found.window;
}

ProgramCopy::ProgramCopy() : folder_(temporary_.Wide(L"")) {
    std::vector<std::wstring> lines(TEXT_SLOT_COUNT, L"Проба");
    lines[0] = L"1";
    ready_ = CopyFileW(ProgramPath().c_str(), (folder_ + L"zarvik.exe").c_str(), TRUE) &&
             CreateDirectoryW((folder_ + L"Languages").c_str(), nullptr) &&
             WriteStringList(lines.data(), TEXT_SLOT_COUNT, folder_ + L"Languages\\Russian.Lang.txt");
}

ProgramCopy::~ProgramCopy() {
    if (process_.hProcess == nullptr) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 99);
    WaitForSingleObject(process_.hProcess, 5000);  // its files must be closed before the folder goes
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
}

bool ProgramCopy::Start() {
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    std::wstring commandLine = L"\"" + folder_ + L"zarvik.exe\"";
    return CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder_.c_str(),
                          &startup, &process_) != FALSE;
}

DWORD ProgramCopy::ExitCode() {
    DWORD code = 12345;
    if (WaitForSingleObject(process_.hProcess, 10000) == WAIT_OBJECT_0) GetExitCodeProcess(process_.hProcess, &code);
    return code;
}
