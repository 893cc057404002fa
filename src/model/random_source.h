// The one random source of the game: rand() unless a test scripts the numbers.
#pragma once

#include <functional>

int random_number();
// An empty source brings back rand().
void set_random_source(std::function<int()> source);
