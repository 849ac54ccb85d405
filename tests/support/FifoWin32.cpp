// Windows has no named pipes among the files of a folder.
#include "tests/support/Fifo.h"

bool MakeFifo(const std::filesystem::path&) { return false; }
