#include "app/fatal.h"

#include <cstdio>
#include <cstdlib>

void fatal_error(const std::string& message) {
    std::fprintf(stderr, "Error:%s", message.c_str());
    std::exit(1);
}
