// What ends the program when an exception is not caught. libstdc++'s own
// handler writes the exception's demangled name to stderr, which a windowed
// program does not have; it would bring in the whole demangler (some 60 kB
// with the formatted printing it uses) for nothing. Defined here, the
// library's is never linked; the program ends as it would have.
#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler()
{
    std::abort();
}

}  // namespace __gnu_cxx
