// InputType: an input scheme, turning logical keys into drops, rotations, hold, undo and
// restart, and drawing the overlays that mirror its keys on the game screen.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "input/keyconfig.h"

struct GameState;
struct Resources;

extern const std::string INKDROP_INPUT_NAME;
extern const std::string QUARTZ_RAIN_INPUT_NAME;
extern const std::string QUARTZ_RAIN_INVERSE_INPUT_NAME;

class InputType {
public:
    virtual ~InputType() = default;
    // `key` is a logical key, already translated through the key configuration.
    virtual void process_keypress(KeyCode key, GameState& state, Resources& resources) = 0;
    virtual void draw_column_highlights(float x, float y, Resources& resources, GameState& state) = 0;
    virtual void draw_key_legend(float x, float y, Resources& resources, GameState& state) = 0;
    virtual void draw_rotation_guide(GameState& state, Resources& resources) = 0;
    virtual std::string get_name() const = 0;
};

const std::vector<std::string>& input_type_names();
std::unique_ptr<InputType> make_input_type(const std::string& name);
