#include "render/gamescreen.h"

#include <SDL_opengl.h>

#include <algorithm>

#include "model/clock.h"
#include "model/gamestate.h"
#include "persist/screenshot.h"
#include "render/drawing.h"
#include "render/hud.h"
#include "render/resources.h"
#include "render/text.h"

namespace {

const float PLAYFIELD_X = 220;
const float PLAYFIELD_Y = 40;
const float KEY_LEGEND_Y = 20;
const float HOLD_PIECE_X = 120;
const float PREVIEW_X = 540;
const float PREVIEW_SPACING = 41;
const float STATISTIC_X = 125;

void draw_statistic(const HudText& statistic, float x, float y, Resources& resources) {
    render_text(resources.font12, statistic.color, x, y, statistic.text);
}

}  // namespace

void draw_timer(float x, float y, GameState& state, Resources& resources) {
    draw_statistic(timer_statistic(state, ticks_now()), x, y, resources);
}

void draw_line_counter(float x, float y, GameState& state, Resources& resources) {
    draw_statistic(line_statistic(state), x, y, resources);
}

void draw_piece_counter(float x, float y, GameState& state, Resources& resources) {
    draw_statistic(piece_statistic(state), x, y, resources);
}

void draw_tpm(float x, float y, GameState& state, Resources& resources) {
    draw_statistic(tpm_statistic(state, ticks_now()), x, y, resources);
}

void draw_key_counter(float x, float y, GameState& state, Resources& resources) {
    draw_statistic(key_statistic(state), x, y, resources);
}

void draw_kpt(float x, float y, GameState& state, Resources& resources) {
    draw_statistic(kpt_statistic(state), x, y, resources);
}

void draw_countdown(float x, float y, GameState& state, Resources& resources) {
    render_text(resources.font20, COUNTDOWN_COLOR, x, y, countdown_text(state, ticks_now()));
}

void draw_game_info(float x, float y, GameState& state, Resources& resources) {
    const auto lines =
        game_info_lines(state, state.input_type->get_name(), state.piece_mask_type->get_name(),
                        state.randomizer->get_name());
    for (const GameInfoLine& info : lines)
        render_text(resources.font8, info.line.color, x, y + info.rise, info.line.text);
}

void draw_version(float x, float y, GameState&, Resources& resources) {
    render_text(resources.font12, GAME_INFO_COLOR, x, y, version_text());
}

void render(GameState& state, Resources& resources) {
    glClear(GL_COLOR_BUFFER_BIT);
    (state.big_mode ? resources.backdropBig : resources.backdrop).draw(0, 0);

    // The highlights go first so that the cells cover them.
    state.input_type->draw_key_legend(PLAYFIELD_X, KEY_LEGEND_Y, resources, state);
    state.input_type->draw_column_highlights(PLAYFIELD_X, PLAYFIELD_Y, resources, state);
    draw_playfield(PLAYFIELD_X, PLAYFIELD_Y, state, resources);

    draw_piece(state.active_piece, ACTIVE_PIECE_ORIGIN_X, ACTIVE_PIECE_ORIGIN_Y, resources, state);
    if (state.hold_piece.type != NO_PIECE)
        draw_piece(state.hold_piece, HOLD_PIECE_X, ACTIVE_PIECE_ORIGIN_Y, resources, state);
    // The queue holds at most MAX_PIECE_PREVIEWS pieces, whatever the setting claims.
    const int previews = std::min(state.piece_previews, MAX_PIECE_PREVIEWS);
    for (int i = 0; i < previews; ++i)
        draw_piece(state.previews[i], PREVIEW_X, ACTIVE_PIECE_ORIGIN_Y - PREVIEW_SPACING * i,
                   resources, state);

    draw_timer(STATISTIC_X, 245, state, resources);
    draw_line_counter(STATISTIC_X, 165, state, resources);
    draw_piece_counter(STATISTIC_X, 205, state, resources);
    draw_tpm(STATISTIC_X, 125, state, resources);
    draw_key_counter(STATISTIC_X, 85, state, resources);
    draw_kpt(STATISTIC_X, 45, state, resources);

    draw_game_info(0, 320, state, resources);
    draw_version(0, 0, state, resources);
    draw_rotation_guide(state, resources);
    if (!state.started) draw_countdown(232, 220, state, resources);

    // Read before the swap: after it, what the back buffer holds is undefined, and the front
    // buffer may not hold the frame at all where the window is covered or composited.
    if (state.screenshot_pending) {
        save_screenshot(state);
        state.screenshot_pending = false;
    }
    SDL_GL_SwapBuffers();
}
