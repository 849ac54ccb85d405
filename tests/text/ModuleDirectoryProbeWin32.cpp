// Writes the folder it runs from into the file named by its argument, for the long-path test.
#include "text/FileAccess.h"
#include "text/StringList.h"

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) return 2;
    const std::wstring folder = ModuleDirectory();
    return WriteStringList(&folder, 1, argv[1]) ? 0 : 1;
}
