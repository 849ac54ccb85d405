// What ends the program when the C++ library gives up: a plain abort.
#include <cstdlib>

// The library's own handler prints the demangled name of the exception to a console this windowed
// program never has, and links in 45 KB of demangler to do it. Defined here, beside the entry point,
// so the linker takes this one and never pulls the library's.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
