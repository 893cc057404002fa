// QuartzRainInverseInput ("40-Key-Inverse"): each key of the four main rows drops the piece into its column;
// the home row as spawned, the number row turned half round, the upper row turns the piece clockwise, the lower row counter-clockwise.
#pragma once

#include "input/inputtype.h"

class QuartzRainInverseInput : public InputType {
public:
    void process_keypress(KeyCode key, GameState& state, Resources& resources) override;
    void draw_column_highlights(float x, float y, Resources& resources, GameState& state) override;
    void draw_key_legend(float x, float y, Resources& resources, GameState& state) override;
    void draw_rotation_guide(GameState& state, Resources& resources) override;
    std::string get_name() const override { return QUARTZ_RAIN_INVERSE_INPUT_NAME; }
};
