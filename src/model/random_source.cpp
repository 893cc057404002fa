#include "model/random_source.h"

#include <cstdlib>

namespace {

std::function<int()> source = std::rand;

}  // namespace

int random_number() { return source(); }

void set_random_source(std::function<int()> new_source) { source = std::move(new_source); }

void use_standard_random() { source = std::rand; }
