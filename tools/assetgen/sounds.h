// The game's sound effects: the drop sounds (each column a note of one scale, a fuller and
// longer chord for more lines cleared) and one sound for each other event.
#pragma once

#include "model/sound.h"
#include "render/asset_files.h"
#include "synth.h"

// The drop at a column that clears that many lines.
Wave drop_sound(int column, int lines);
// Left-to-right placement of a column's sounds, -1..1.
double drop_pan(int column);

// The sound of any event but a drop.
Wave event_sound(Sound sound);
