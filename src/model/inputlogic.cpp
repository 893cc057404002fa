#include <SDL.h>

#include "model/gameactions.h"
#include "model/gamestate.h"
#include "model/sound.h"
#include "render/resources.h"

int process_input_logic(GameState& state, Resources& resources) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_QUIT) return INPUT_QUIT;
        if (event.type != SDL_KEYDOWN) continue;
        KeyCode key = event.key.keysym.sym;
        // Checked before the key configuration sees it, so that no binding can take Escape.
        if (key == KEY_ESCAPE) {
            play_game_sound(state, resources.menuCancelSound);
            return INPUT_LEAVE_GAME;
        }
        if (!state.started) continue;
        state.input_type->process_keypress(state.key_config.translate(key), state, resources);
    }
    return INPUT_CONTINUE;
}
