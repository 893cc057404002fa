// InkdropInput ("10-Key"): the home row drops the piece, as it is turned, into its column;
// w/u, e/i and r/o turn it counter-clockwise, half round and clockwise without dropping.
#pragma once

#include "input/inputtype.h"

class InkdropInput : public InputType {
public:
    void process_keypress(KeyCode key, GameState& state, Resources& resources) override;
    void draw_column_highlights(float x, float y, Resources& resources, GameState& state) override;
    void draw_key_legend(float x, float y, Resources& resources, GameState& state) override;
    void draw_rotation_guide(GameState& state, Resources& resources) override;
    std::string get_name() const override { return INKDROP_INPUT_NAME; }
};
