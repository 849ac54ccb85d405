// Choosing another language file from the system dialog.
#pragma once

#include <windows.h>

#include <string>

constexpr int LANGUAGE_PATH_LENGTH = 256;

// True when the choice was saved and the texts reloaded, so the dialog shows them anew.
bool SwitchLanguage(HWND dialog);
bool ChooseLanguageFile(HWND owner, const std::wstring& startFolder, std::wstring& name);
bool OpenAndProbeFile(HWND owner, void* readBuffer, DWORD byteCount, const wchar_t* title, wchar_t* fileName,
                      const wchar_t* filterList, const wchar_t* startFolder);
