// config.txt: the language folder and file, and the paths built from the executable's folder.
#pragma once

#include <string>

constexpr int CONFIG_LINE_COUNT = 3;

extern const std::wstring ConfigFileName;                  // "config.txt"
extern const std::wstring DefaultConfig[CONFIG_LINE_COUNT];  // "1", "Languages", "Russian.Lang.txt"
extern std::wstring ConfigLines[CONFIG_LINE_COUNT];
extern std::wstring LanguageFolder;
extern std::wstring LanguageFileName;

bool IsVersionOne(const std::wstring& line);
bool IsControlCharacter(wchar_t c);
bool HoldsControlCharacter(const std::wstring& text);
bool LoadConfig(const std::wstring& path);
bool SaveConfig(const std::wstring& path);
bool SaveLanguageChoice(const std::wstring& fileName, const std::wstring& path);

std::wstring ModulePath(const std::wstring& relative);
std::wstring FileNamePart(const std::wstring& path);
