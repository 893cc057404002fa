// The game's clock: milliseconds, as unsigned 32-bit values whose differences are taken in
// unsigned arithmetic. The application installs SDL's timer; tests install one they set.
#pragma once

#include <cstdint>
#include <functional>

uint32_t ticks_now();
void set_clock(std::function<uint32_t()> ticks);
