// Loading the configuration and the language file, with the fallbacks and the players' messages.
#pragma once

#include <string>

extern std::wstring LanguageName;
extern std::wstring HelpFilePath;
extern std::wstring LoadErrorMessage;  // empty after a load that went wholly well

bool LoadLanguage(const std::wstring& path);
bool LoadTextResources();
