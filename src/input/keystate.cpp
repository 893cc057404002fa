#include "input/keystate.h"

#include <SDL.h>

#include "model/gamestate.h"

KeyStateTable sdl_key_state() {
    KeyStateTable table;
    table.down = SDL_GetKeyState(&table.size);
    return table;
}

bool physical_key_down(KeyStateTable table, KeyCode physical) {
    return table.down != nullptr && physical >= 0 && physical < table.size &&
           table.down[physical] != 0;
}

bool logical_key_held(const GameState& state, KeyCode logical, KeyStateTable table) {
    return state.started && physical_key_down(table, state.key_config.reverseTranslate(logical));
}
