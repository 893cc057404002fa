#include "input/quartzraininput.h"

#include "input/fortykeys.h"

const std::string QUARTZ_RAIN_INPUT_NAME = "40-Key";

void QuartzRainInput::process_keypress(KeyCode key, GameState& state, Resources& resources) {
    process_forty_key_press(key, TURN_CCW, state, resources);
}

void QuartzRainInput::draw_column_highlights(float, float, Resources&, GameState&) {}

void QuartzRainInput::draw_key_legend(float, float, Resources&, GameState&) {}

void QuartzRainInput::draw_rotation_guide(GameState&, Resources&) {}
