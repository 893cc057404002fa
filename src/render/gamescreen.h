// The game screen: one complete frame of play (backdrop, field, piece boxes, statistics,
// settings summary, overlays, countdown), shown and, at the end of a game, saved as a screenshot.
#pragma once

struct GameState;
struct Resources;

// Bottom-left corner of the active-piece box, which the rotation guides line up with.
constexpr float ACTIVE_PIECE_ORIGIN_X = 440.0f;
constexpr float ACTIVE_PIECE_ORIGIN_Y = 389.0f;

void render(GameState& state, Resources& resources);

// The parts of the frame, each drawn with its bottom-left corner at (x, y).
void draw_timer(float x, float y, GameState& state, Resources& resources);
void draw_line_counter(float x, float y, GameState& state, Resources& resources);
void draw_piece_counter(float x, float y, GameState& state, Resources& resources);
void draw_tpm(float x, float y, GameState& state, Resources& resources);
void draw_key_counter(float x, float y, GameState& state, Resources& resources);
void draw_kpt(float x, float y, GameState& state, Resources& resources);
void draw_countdown(float x, float y, GameState& state, Resources& resources);
void draw_game_info(float x, float y, GameState& state, Resources& resources);
void draw_version(float x, float y, GameState& state, Resources& resources);
