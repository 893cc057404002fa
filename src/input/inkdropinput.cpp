#include "input/inkdropinput.h"

#include "input/commonkeys.h"
#include "input/fortykeys.h"
#include "input/keyrows.h"
#include "input/overlaydrawing.h"
#include "model/gameactions.h"
#include "model/gamestate.h"
#include "model/sound.h"
#include "render/resources.h"

const std::string INKDROP_INPUT_NAME = "10-Key";

namespace {

Turn rotation_key_turn(KeyCode key) {
    switch (key) {
        case 'w': case 'u': return TURN_CCW;
        case 'e': case 'i': return TURN_DOUBLE;
        case 'r': case 'o': return TURN_CW;
        default: return TURN_NONE;
    }
}

}  // namespace

void InkdropInput::process_keypress(KeyCode key, GameState& state, Resources& resources) {
    if (process_common_key(key, state, resources)) return;
    KeyPosition position;
    if (find_key(key, &position) && position.row == HOME_ROW) {
        count_key(state);
        drop_active_piece(playfield_column(position.column, state), state, resources);
        return;
    }
    const Turn turn = rotation_key_turn(key);
    if (turn == TURN_NONE) return;
    count_key(state);
    apply_turn(state.active_piece, turn);
    play_game_sound(state, resources.rotateSound);
}

void InkdropInput::draw_column_highlights(float x, float y, Resources& resources, GameState& state) {
    draw_highlights(x, y, OverlayRows::HOME_ONLY, state, resources);
}

// In big mode the same legend reads F G H J K under the five wide columns.
void InkdropInput::draw_key_legend(float x, float y, Resources& resources, GameState& state) {
    draw_legend(x, y, OverlayRows::HOME_ONLY, state, resources);
}

void InkdropInput::draw_rotation_guide(GameState& state, Resources& resources) {
    draw_guide(resources.guide10Keys, 70, ten_key_guide(state), state, resources);
}
