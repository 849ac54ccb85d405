// Loading the configuration and the language file, with the fallbacks and the players' messages.
#pragma once

#include <cstddef>
#include <string>

// The most code units a language file's line keeps: every shipped text is under a tenth of it.
constexpr std::size_t TEXT_LINE_MAX_LENGTH = 1024;

extern std::wstring LanguageName;
extern std::wstring HelpFilePath;
extern std::wstring LoadErrorMessage;  // empty after a load that went wholly well

bool LoadLanguage(const std::wstring& path);
bool LoadTextResources();
