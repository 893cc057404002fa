#include "app/fatal.h"

#include <cstdio>
#include <cstdlib>

void fatal_error(const std::string& message, const std::string& cause) {
    if (!cause.empty()) std::fprintf(stderr, "%s\n", cause.c_str());
    std::fprintf(stderr, "Error:%s", message.c_str());
    std::fflush(stderr);
    // exit() would run the libraries' destructors while SDL's audio thread may still be
    // mixing, which can crash the process and turn status 1 into a segmentation fault.
    std::_Exit(1);
}
