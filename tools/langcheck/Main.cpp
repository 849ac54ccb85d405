// langcheck FILE...: checks language files for translators; exits 1 when any file has an error.
#include <cstdio>

#include "tools/langcheck/LanguageFileCheck.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: langcheck FILE...\nChecks language files (*.Lang.txt) for the moves generator.\n");
        return 2;
    }
    bool anyError = false;
    for (int i = 1; i < argc; i++) {
        const std::vector<LanguageFileProblem> problems = CheckLanguageFile(argv[i]);
        int errors = 0;
        for (const LanguageFileProblem& problem : problems) {
            const char* kind = problem.isError ? "error" : "warning";
            if (problem.line > 0)
                std::printf("%s:%d: %s: %s\n", argv[i], problem.line, kind, problem.message.c_str());
            else
                std::printf("%s: %s: %s\n", argv[i], kind, problem.message.c_str());
            errors += problem.isError ? 1 : 0;
        }
        std::printf("%s: %d error(s), %d warning(s)\n", argv[i], errors, static_cast<int>(problems.size()) - errors);
        anyError = anyError || errors > 0;
    }
    return anyError ? 1 : 0;
}
