// config.txt: the language folder and file, the dice per turn, and the paths built from the executable's folder.
#pragma once

#include <string>

constexpr int CONFIG_LINE_COUNT = 3;
constexpr int CONFIG_LINE_MAX = 4;  // the fourth, the dice per turn, only when it is not one

extern const std::wstring ConfigFileName;                  // "config.txt"
extern const std::wstring DefaultConfig[CONFIG_LINE_COUNT];  // "1", "Languages", "Russian.Lang.txt"
extern std::wstring ConfigLines[CONFIG_LINE_MAX];
extern std::wstring LanguageFolder;
extern std::wstring LanguageFileName;
extern int DicePerTurn;  // 1, 2 or 3 kinds drawn by one press

bool IsVersionOne(const std::wstring& line);
bool IsControlCharacter(wchar_t c);
bool HoldsControlCharacter(const std::wstring& text);
bool LoadConfig(const std::wstring& path);
bool SaveConfig(const std::wstring& path);
bool SaveLanguageChoice(const std::wstring& fileName, const std::wstring& path);
bool SaveDiceChoice(int dice, const std::wstring& path);
// What the players are told when a choice could not be saved to the configuration at path.
std::wstring SaveConfigErrorMessage(const std::wstring& path);

std::wstring ModulePath(const std::wstring& relative);
std::wstring FileNamePart(const std::wstring& path);
