// QuartzRainInput ("40-Key"): each key of the four main rows drops the piece into its column;
// the home row as spawned, the number row turned half round, the upper row turns the piece counter-clockwise, the lower row clockwise.
#pragma once

#include "input/inputtype.h"

class QuartzRainInput : public InputType {
public:
    void process_keypress(KeyCode key, GameState& state, Resources& resources) override;
    void draw_column_highlights(float x, float y, Resources& resources, GameState& state) override;
    void draw_key_legend(float x, float y, Resources& resources, GameState& state) override;
    void draw_rotation_guide(GameState& state, Resources& resources) override;
    std::string get_name() const override { return QUARTZ_RAIN_INPUT_NAME; }
};
