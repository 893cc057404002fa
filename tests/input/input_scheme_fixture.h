// A game in play under a chosen input scheme, for pressing logical keys the way the game loop
// hands them to the scheme and comparing the field with what a plain drop would leave.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "input/inputtype.h"
#include "model/gameactions.h"
#include "support/game.h"

// In big mode the middle five key columns name the five field columns; the outer ones clamp.
constexpr int BIG_MODE_COLUMNS[10] = {0, 0, 0, 0, 1, 2, 3, 4, 4, 4};

class InputSchemeFixture : public GameFixture {
protected:
    void use_scheme(const std::string& name) {
        state.input_type = make_input_type(name);
        ASSERT_NE(state.input_type, nullptr) << name;
        start_game();
    }
    void press(KeyCode key) { state.input_type->process_keypress(key, state, resources); }
    void press_all(const std::string& keys) {
        for (char key : keys) press(key);
    }
    // An empty field with the given piece active and no sound logged yet.
    void start_over_with(int type, Orientation orientation = UP) {
        state.playfield.clear();
        state.active_piece = Piece{type, orientation};
        sounds.clear();
    }
    // The field a drop of the piece typed into `column` of the current field leaves.
    std::string field_after_drop(int type, Orientation orientation, int column) const {
        PlayField field = state.playfield;
        const Piece piece{type, orientation};
        EXPECT_TRUE(field.drop_piece(piece, column_clamp(piece, column, state), state));
        return picture(field);
    }
    // The used part of a field, top row first, as text.
    std::string picture(const PlayField& field) const {
        std::string text;
        for (int row = state.get_playfield_height() - 1; row >= 0; --row) {
            for (int column = 0; column < state.get_playfield_width(); ++column)
                text += static_cast<char>('0' + field.get_cell(column, row));
            text += '\n';
        }
        return text;
    }
    std::string field() const { return picture(state.playfield); }
    std::string empty_field() const { return picture(PlayField()); }
    // The column whose plain drop sound was played last, or -1.
    int drop_sound_column() const {
        for (auto played = sounds.played().rbegin(); played != sounds.played().rend(); ++played)
            for (int column = 0; column < DROP_SOUND_COLUMNS; ++column)
                if (*played == resources.dropSounds[column][0]) return column;
        return -1;
    }
    // Every cell of the field taken, so that no drop finds room.
    void fill_field() {
        for (int column = 0; column < PLAYFIELD_COLUMNS; ++column)
            for (int row = 0; row < PLAYFIELD_ROWS; ++row) state.playfield.set_cell(column, row, 0);
    }
};
