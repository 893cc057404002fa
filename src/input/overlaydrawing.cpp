#include "input/overlaydrawing.h"

#include <SDL.h>

#include "model/gamestate.h"
#include "render/drawing.h"
#include "render/gamescreen.h"
#include "render/resources.h"
#include "render/text.h"

namespace {

constexpr SDL_Color KEY_LEGEND_COLOR = {255, 255, 255, 0};
constexpr SDL_Color KEY_LEGEND_COLOR_PRESS = {255, 128, 128, 0};

KeyHeld keyboard_held(const GameState& state) {
    int size = 0;
    const uint8_t* keyboard = SDL_GetKeyState(&size);
    return [&state, keyboard, size](KeyCode key) { return key_held(state, key, keyboard, size); };
}

}  // namespace

void draw_legend(float x, float y, OverlayRows rows, GameState& state, Resources& resources) {
    for (const LegendLabel& label : key_legend(x, state, rows, keyboard_held(state)))
        render_text(resources.font12, label.pressed ? KEY_LEGEND_COLOR_PRESS : KEY_LEGEND_COLOR, label.x, y, label.text);
}

void draw_highlights(float x, float y, OverlayRows rows, GameState& state, Resources& resources) {
    for (float bar_x : column_highlights(x, state, rows, keyboard_held(state))) resources.columnHighlight.draw(bar_x, y);
}

void draw_guide(const Sprite& picture, float picture_y, const std::vector<GuideSlot>& slots, GameState& state,
                Resources& resources) {
    picture.draw(ACTIVE_PIECE_ORIGIN_X, picture_y);
    for (const GuideSlot& slot : slots) {
        if (slot.draw_piece) draw_piece(slot.piece, ACTIVE_PIECE_ORIGIN_X, slot.y, resources, state);
        for (int cell = 0; cell < slot.strip; ++cell)
            resources.cellHighlight.draw(slot.axis_x, slot.y + CELL_SIZE * cell);
    }
}
