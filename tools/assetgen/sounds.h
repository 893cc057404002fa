// The game's sound effects: the 50 drop sounds (ten columns on one scale, five line counts)
// and the twelve named event sounds, each synthesised by one function.
#pragma once

#include <vector>

#include "synth.h"

constexpr int DROP_COLUMNS = 10;
constexpr int DROP_VARIANTS = 5;

// The drop at column 0..9 that clears 0..4 lines.
Wave drop_sound(int column, int lines);
// Left-to-right placement of a column's sounds, -1..1.
double drop_pan(int column);

struct NamedSound {
    const char* name;  // file name without ".ogg"
    Wave (*make)();
};

// rotate, hold, rewind, hurry, finish, the five menu sounds and the two countdown sounds.
const std::vector<NamedSound>& named_sounds();
