// The game's clock: milliseconds since start-up, and sleeping.
// SDL's timer by default; tests install a clock of their own to set the time.
#pragma once

#include <cstdint>
#include <functional>

uint32_t ticks_now();
void sleep_ms(uint32_t ms);

void set_clock(std::function<uint32_t()> ticks, std::function<void(uint32_t)> sleep);
void use_sdl_clock();
