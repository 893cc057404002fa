#include "model/clock.h"

#include <chrono>

namespace {

uint32_t steady_ticks() {
    using namespace std::chrono;
    return uint32_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

std::function<uint32_t()> ticks_source = steady_ticks;

}  // namespace

uint32_t ticks_now() { return ticks_source(); }

void set_clock(std::function<uint32_t()> ticks) { ticks_source = ticks ? std::move(ticks) : steady_ticks; }
