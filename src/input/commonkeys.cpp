#include "input/commonkeys.h"

#include "model/gameactions.h"
#include "model/gamestate.h"
#include "model/sound.h"
#include "render/resources.h"

void count_key(GameState& state) {
    if (!state.finished) state.keys += 1;
}

bool process_common_key(KeyCode key, GameState& state, Resources& resources) {
    switch (key) {
        case KEY_BACKSPACE:
            if (!state.practice_mode) return true;
            count_key(state);
            state.rewindHistory();
            play_game_sound(state, resources.rewindSound);
            return true;
        case KEY_RETURN:
            play_game_sound(state, resources.menuGameStartSound);
            state.reset();
            return true;
        case KEY_SPACE:
            if (!state.hold_allowed) return true;
            count_key(state);
            hold_active_piece(state, resources);
            return true;
        case KEY_F2:
            // The next frame is saved as it is drawn.
            state.screenshot_pending = true;
            return true;
        default:
            return false;
    }
}
