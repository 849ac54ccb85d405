// Finding a window of another process: for the tests that drive the program from outside and for the
// start-up benchmark, which both link this and no test.
#include "probes/ProcessWindows.h"

#include <iterator>

namespace {

struct Search {
    DWORD processId;
    const wchar_t* className;
    const std::wstring& caption;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    wchar_t className[64] = {};
    GetClassNameW(window, className, static_cast<int>(std::size(className)));
    if (processId != search->processId || !IsWindowVisible(window) || lstrcmpW(className, search->className) != 0)
        return TRUE;
    if (!search->caption.empty()) {
        wchar_t caption[1024] = {};
        GetWindowTextW(window, caption, static_cast<int>(std::size(caption)));
        if (search->caption != caption) return TRUE;
    }
    search->found = window;
    return FALSE;
}

}  // namespace

HWND FindProcessWindow(DWORD processId, const wchar_t* className, const std::wstring& caption) {
    Search search = {processId, className, caption, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
