// Loading the configuration and the language file, with the fallbacks and the players' messages.
#pragma once

#include <string>

extern std::wstring LanguageName;
extern std::wstring HelpFilePath;
extern std::wstring LoadErrorMessage;

bool LoadLanguage(const std::wstring& path);
bool LoadTextResources();
