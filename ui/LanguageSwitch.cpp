// Choosing another language file from the system dialog, and loading it at once.
#include "ui/LanguageSwitch.h"

#include <commdlg.h>

#include <algorithm>
#include <iterator>
#include <vector>

#include "text/Config.h"
#include "text/TextResources.h"
#include "text/TextTable.h"
#include "ui/Accessibility.h"
#include "ui/Display.h"
#include "ui/DrawRecordWindow.h"
#include "ui/OnDemandLibraries.h"
#include "ui/UiServices.h"

// Only the file's name is kept: the loader always looks in the language folder.
bool SwitchLanguage(HWND dialog) {
    std::wstring name;
    if (!ChooseLanguageFile(dialog, ModulePath(LanguageFolder), name)) return false;
    const std::wstring configPath = ModulePath(ConfigFileName);
    if (!SaveLanguageChoice(name, configPath)) {
        ShowMessage(SaveConfigErrorMessage(configPath));
        return false;
    }
    const std::wstring said = DisplayText();
    const std::vector<std::wstring> texts(std::begin(TextTable), std::end(TextTable));
    // A bad language file leaves the built-in texts, and the players hear of it now.
    if (LoadTextResources() && !LoadErrorMessage.empty()) ShowMessage(LoadErrorMessage);
    RepaintWholeWindow();
    RefreshDrawRecordTexts();
    if (DisplayText() != said) NotifyScreenReadersOfDisplay();
    if (!std::equal(texts.begin(), texts.end(), std::begin(TextTable))) NotifyScreenReadersOfButtonNames();
    return true;
}

bool ChooseLanguageFile(HWND owner, const std::wstring& startFolder, std::wstring& name) {
    name.clear();
    static const wchar_t filterList[] = L"Language Files\0*.Lang.txt\0Any Files\0*.*\0";  // ends in two zeros
    char probe[1];
    wchar_t fileName[LANGUAGE_PATH_LENGTH];
    if (!OpenAndProbeFile(owner, probe, sizeof probe, L"Change Language", fileName, filterList, startFolder.c_str()))
        return false;
    name = FileNamePart(fileName);
    return true;
}

// fileName must hold LANGUAGE_PATH_LENGTH units. The probe opens the wide name, as the loader does.
bool OpenAndProbeFile(HWND owner, void* readBuffer, DWORD byteCount, const wchar_t* title, wchar_t* fileName,
                      const wchar_t* filterList, const wchar_t* startFolder) {
    fileName[0] = L'\0';  // propose no name
    OPENFILENAMEW request{};
    request.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
    request.hwndOwner = owner;
    request.lpstrFilter = filterList;
    request.nFilterIndex = 1;
    request.lpstrFile = fileName;
    request.nMaxFile = LANGUAGE_PATH_LENGTH;
    request.lpstrInitialDir = startFolder;
    request.lpstrTitle = title;
    request.Flags = OFN_READONLY | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    if (!CallGetOpenFileName(&request) || fileName[0] == L'\0') return false;

    HANDLE file = CreateFileW(fileName, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD readCount = 0;
    BOOL read = ReadFile(file, readBuffer, byteCount, &readCount, nullptr);  // 0 bytes from an empty file is fine
    CloseHandle(file);
    return read != FALSE;
}
