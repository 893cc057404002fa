#include "input/quartzraininverseinput.h"

#include "input/fortykeys.h"
#include "input/overlaydrawing.h"
#include "render/resources.h"

const std::string QUARTZ_RAIN_INVERSE_INPUT_NAME = "40-Key-Inverse";

void QuartzRainInverseInput::process_keypress(KeyCode key, GameState& state, Resources& resources) {
    process_forty_key_press(key, TURN_CW, state, resources);
}

void QuartzRainInverseInput::draw_column_highlights(float x, float y, Resources& resources, GameState& state) {
    draw_highlights(x, y, OverlayRows::ALL_FOUR, state, resources);
}

void QuartzRainInverseInput::draw_key_legend(float x, float y, Resources& resources, GameState& state) {
    draw_legend(x, y, OverlayRows::ALL_FOUR, state, resources);
}

void QuartzRainInverseInput::draw_rotation_guide(GameState& state, Resources& resources) {
    draw_guide(resources.guide40Keys, 10, forty_key_guide(state, TURN_CW), state, resources);
}
