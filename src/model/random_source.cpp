#include "model/random_source.h"

#include <cstdlib>

namespace {

std::function<int()> source = std::rand;

}  // namespace

int random_number() { return source(); }

void set_random_source(std::function<int()> new_source) {
    source = new_source ? std::move(new_source) : std::function<int()>(std::rand);
}
