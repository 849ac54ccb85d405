// Stands in for ShellExecuteW in this test program, so help and web commands open nothing.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct ShellCall {
    HWND owner;
    std::wstring verb;
    std::wstring file;
    bool hasParameters;
    bool hasDirectory;
    int show;
    bool comReady;  // COM was initialised on the calling thread
};

extern std::vector<ShellCall> ShellCalls;
extern INT_PTR ShellAnswer;  // what the stand-in returns; the shell's codes above 32 mean success

// Points the program's way to ShellExecuteW at the stand-in.
void InstallShellSpy();
// Whether this thread has COM initialised, apartment-threaded; asking leaves it as it was.
bool IsComReady();
