// Named pipes through mkfifo.
#include "tests/support/Fifo.h"

#include <sys/stat.h>

bool MakeFifo(const std::filesystem::path& path) { return mkfifo(path.c_str(), 0600) == 0; }
