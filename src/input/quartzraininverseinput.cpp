#include "input/quartzraininverseinput.h"

#include "input/fortykeys.h"

const std::string QUARTZ_RAIN_INVERSE_INPUT_NAME = "40-Key-Inverse";

void QuartzRainInverseInput::process_keypress(KeyCode key, GameState& state, Resources& resources) {
    process_forty_key_press(key, TURN_CW, state, resources);
}

void QuartzRainInverseInput::draw_column_highlights(float, float, Resources&, GameState&) {}

void QuartzRainInverseInput::draw_key_legend(float, float, Resources&, GameState&) {}

void QuartzRainInverseInput::draw_rotation_guide(GameState&, Resources&) {}
