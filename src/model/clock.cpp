#include "model/clock.h"

#include <SDL.h>

namespace {

std::function<uint32_t()> ticks_source = SDL_GetTicks;
std::function<void(uint32_t)> sleeper = SDL_Delay;

}  // namespace

uint32_t ticks_now() { return ticks_source(); }

void sleep_ms(uint32_t ms) { sleeper(ms); }

void set_clock(std::function<uint32_t()> ticks, std::function<void(uint32_t)> sleep) {
    ticks_source = std::move(ticks);
    sleeper = std::move(sleep);
}

void use_sdl_clock() { set_clock(SDL_GetTicks, SDL_Delay); }
