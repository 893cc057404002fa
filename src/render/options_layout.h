// Where the options screen puts each line of the options table, so that a line added to the
// table finds its place: the lines share the room from OPTIONS_Y up, one step apart, the lowest
// line the last action, and the actions stand one step apart from the options above them.
#pragma once

#include "options/options.h"
#include "render/layout.h"

namespace layout {

constexpr int OPTIONS_ROOM = 300;
constexpr int OPTIONS_SPACING = OPTIONS_ROOM / OPTION_COUNT;
static_assert(OPTIONS_SPACING >= 13, "the options lines would overlap: the options screen has no room for more");

// Above OPTIONS_Y.
constexpr int option_rise(int index) {
    return OPTIONS_SPACING * (OPTION_COUNT - 1 - index + (index < FIRST_ACTION ? 1 : 0));
}

}  // namespace layout
