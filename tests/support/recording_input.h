// An input scheme that only records what it is handed: the logical keys pressed and how often
// it was asked to draw its rotation guide.
#pragma once

#include <string>
#include <vector>

#include "input/inputtype.h"

struct InputRecord {
    std::vector<KeyCode> keys;
    int guides = 0;
};

class RecordingInput : public InputType {
public:
    explicit RecordingInput(InputRecord* record) : record_(record) {}
    void process_keypress(KeyCode key, GameState&, Resources&) override { record_->keys.push_back(key); }
    void draw_column_highlights(float, float, Resources&, GameState&) override {}
    void draw_key_legend(float, float, Resources&, GameState&) override {}
    void draw_rotation_guide(GameState&, Resources&) override { ++record_->guides; }
    std::string get_name() const override { return "Recording"; }

private:
    InputRecord* record_;
};
