#include "input/overlays.h"

#include <cctype>

#include "input/keyrows.h"
#include "model/gamestate.h"
#include "render/drawing.h"
#include "render/gamescreen.h"

namespace {

constexpr int STRIP = 4;
// The half-turn slot sits just under the active-piece display, so its strip is shorter.
constexpr int SHORT_STRIP = 2;

std::string label_of(KeyCode key) {
    return std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(key))));
}

int rows_read(OverlayRows rows) { return rows == OverlayRows::ALL_FOUR ? KEY_ROWS : 1; }

// The first held key of the keyboard column, in legend precedence; -1 when none is held.
int held_row(int keyboard_column, OverlayRows rows, const KeyHeld& held) {
    for (int row = 0; row < rows_read(rows); ++row)
        if (held(ROW_KEYS[row][keyboard_column])) return row;
    return -1;
}

float column_width(const GameState& state) { return state.big_mode ? BIG_CELL_SIZE : CELL_SIZE; }

float axis_x_of(const GameState& state, const Piece& piece) {
    PieceMask mask;
    state.piece_mask_type->get_piece_mask(piece.type, piece.orientation, &mask);
    return ACTIVE_PIECE_ORIGIN_X + CELL_SIZE * (mask.axis_column + mask.preview_offset);
}

GuideSlot slot(const GameState& state, const Piece& piece, float y, int strip, bool with_piece = true) {
    return GuideSlot{piece, y, axis_x_of(state, piece), strip, with_piece};
}

}  // namespace

bool key_held(const GameState& state, KeyCode logical, const uint8_t* keyboard, int keyboard_size) {
    if (!state.started) return false;
    const KeyCode physical = state.key_config.reverseTranslate(logical);
    return physical >= 0 && physical < keyboard_size && keyboard[physical] != 0;
}

std::vector<LegendLabel> key_legend(float x, const GameState& state, OverlayRows rows, const KeyHeld& held) {
    std::vector<LegendLabel> labels;
    const float width = column_width(state);
    // Labels sit roughly centred under their column.
    const float inset = state.big_mode ? 14 : 7;
    for (int column = 0; column < state.get_playfield_width(); ++column) {
        const int keys = keyboard_column(column, state);
        const int row = held_row(keys, rows, held);
        const KeyCode shown = ROW_KEYS[row < 0 ? HOME_ROW : row][keys];
        labels.push_back({x + inset + width * column, label_of(shown), row >= 0});
    }
    return labels;
}

std::vector<float> column_highlights(float x, const GameState& state, OverlayRows rows, const KeyHeld& held) {
    std::vector<float> bars;
    if (!state.started) return bars;
    const float width = column_width(state);
    for (int column = 0; column < state.get_playfield_width(); ++column) {
        if (held_row(keyboard_column(column, state), rows, held) < 0) continue;
        for (float bar = 0; bar < width; bar += CELL_SIZE) bars.push_back(x + width * column + bar);
    }
    return bars;
}

std::vector<GuideSlot> forty_key_guide(const GameState& state, Turn upper_row_turn) {
    Piece piece = state.active_piece;
    std::vector<GuideSlot> slots = {slot(state, piece, ACTIVE_PIECE_ORIGIN_Y, STRIP, false),
                                    slot(state, piece, 130, STRIP)};
    apply_turn(piece, upper_row_turn);
    slots.push_back(slot(state, piece, 230, STRIP));
    apply_turn(piece, upper_row_turn);
    slots.push_back(slot(state, piece, 330, SHORT_STRIP));
    apply_turn(piece, upper_row_turn);
    slots.push_back(slot(state, piece, 30, STRIP));
    return slots;
}

std::vector<GuideSlot> ten_key_guide(const GameState& state) {
    Piece piece = state.active_piece;
    std::vector<GuideSlot> slots = {slot(state, piece, ACTIVE_PIECE_ORIGIN_Y, STRIP, false)};
    for (float y : {290.0f, 190.0f, 90.0f}) {
        piece.rotate_ccw();
        slots.push_back(slot(state, piece, y, STRIP));
    }
    return slots;
}
