// Checks a language file the way the program will read it and lists what a translator should mend.
#pragma once

#include <string>
#include <vector>

struct LanguageFileProblem {
    int line;  // 1-based; 0 for the file as a whole
    bool isError;  // errors make the program refuse the file or garble a text; warnings are worth a look
    std::string message;
};

std::vector<LanguageFileProblem> CheckLanguageFile(const std::string& path);
bool HasErrors(const std::vector<LanguageFileProblem>& problems);
