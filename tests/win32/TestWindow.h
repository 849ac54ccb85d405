// The real main window in-process, once per test process: opened, pumped with the program's own message
// step, driven through its toolbar and commands, and closed.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Creates the main window as the entry point does (resources of this executable), without StartUp.
bool OpenTestMainWindow();
// After CreateMainWindow returned false: the step that failed, the error it left and whether the desktop
// has a display at all.
std::string MainWindowFailure(DWORD error);
// Destroys the window and drops its quit message. The program-wide objects keep what the test left: the
// next test runs in a fresh process.
void CloseTestMainWindow();

// Handles every pending message with the program's own message step; returns the main window's paints.
// A quit message is left for the caller's loop.
int PumpMessages();
// Pumps until condition holds or timeoutMs has passed; false on the timeout.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);

// Sets the client area to exactly width x height and lets the window repaint.
void ResizeClientArea(int width, int height);
// A command as a toolbar button or a menu would send it, and the paints it asks for.
void SendCommand(int command);
// A real release of the space bar (scan code 0x39, previously down), without pumping.
void ReleaseSpace();
// Real keyboard input to the window with the focus, in whichever process: the keys pressed in order and
// let go in reverse, as a player holding Shift and pressing F10 would.
void TypeKeys(const std::vector<WORD>& keys);

// Fills every text slot with "<n>" (slot 0 "1"), so a wrong slot shows in a comparison.
void FillTextTableWithSlotNumbers();
// Every line a language file can have, naming their language: "Language - <name>", "<name> Help.txt", "<name> text 3", ...
std::vector<std::wstring> LanguageLines(const std::wstring& name);
// A language file at a path relative to this executable's folder; false when it can't be written.
bool WriteLanguageFile(const std::wstring& relativePath, const std::vector<std::wstring>& lines);
// config.txt and TestLanguages/Test.Lang.txt beside this executable; returns the language file's lines.
std::vector<std::wstring> WriteTestLanguageFiles();

// Another program holding the file open without sharing it; the caller closes the handle.
HANDLE LockFile(const std::wstring& path);

bool ClickToolbarButton(int command);
bool IsToolbarButtonChecked(int command);  // TB_ISBUTTONCHECKED == 1, asked directly
std::wstring ToolbarTooltip(int command);  // through the toolbar's own tooltip control

std::wstring WindowText(HWND window);
// The clipboard's text, read no further than its memory reaches; "(the clipboard is held)" while another
// window has it open.
std::wstring ClipboardTextWhole();

// The title of core/Product.h, and the caption start-up makes of it with the version.
std::wstring ProductTitleText();
std::wstring FullTitle();
// The main window's class, from the product header.
std::wstring ProductClassName();
