#include <set>
#include <string>
#include <utility>

#include "e2e/gametest.h"

namespace {

using Pixels = std::set<std::pair<int, int>>;

// Where the label's text is drawn solidly in the colour: the shape of its character.
Pixels shape(const Bitmap& frame, const Area& area, const Rgb& colour) {
    Pixels found;
    for (int y = area.y; y < area.y + area.height; ++y)
        for (int x = area.x; x < area.x + area.width; ++x)
            if (frame.at_game(x, y) == colour) found.insert({x, y});
    return found;
}

// The column's bar from the given row of cells up to the top of the field.
Area column_above(int column, int row) {
    return {FIELD_X + CELL * column, FIELD_Y + CELL * row, CELL, FIELD_HEIGHT - CELL * row};
}

bool label_pressed(const Bitmap& frame, int column) {
    return has_colour(frame, legend_label(column), KEY_PRESSED_COLOUR);
}

}  // namespace

// Starts a game with the settings; keeps the white "A" of column 0's label for comparison.
class Overlays : public GameTest {
protected:
    Pixels resting_label;

    void start_with(const std::string& settings) {
        write_settings(std::string(NO_SOUND) + "Randomizer=I-Cheat\n" + settings);
        start();
        ASSERT_TRUE(start_game());
        const std::optional<Bitmap> idle = capture();
        ASSERT_TRUE(idle);
        resting_label = shape(*idle, legend_label(0), KEY_LEGEND_COLOUR);
        EXPECT_FALSE(resting_label.empty());
    }

    // The first frame that shows column 0's label pressed while the key is held.
    std::optional<Bitmap> hold(const std::string& key) {
        key_down(key);
        std::optional<Bitmap> held = wait_for_frame([](const Bitmap& frame) { return label_pressed(frame, 0); });
        key_up(key);
        return held;
    }

    void release_and_quit() {
        EXPECT_TRUE(wait_for_frame([](const Bitmap& frame) { return !label_pressed(frame, 0); }));
        type({"Escape", "Escape"});
        EXPECT_EQ(wait_for_exit(), 0);
    }
};

TEST_F(Overlays, HoldingAFortyKeyLightsItsColumnAndShowsItsLabelInThePressedColour) {
    ASSERT_NO_FATAL_FAILURE(start_with("InputType=40-Key\n"));
    // z turns the I upright into column 0 and stays held.
    const std::optional<Bitmap> held = hold("z");
    ASSERT_TRUE(held);
    const Picture& backdrop = pictures().backdrop(false);
    EXPECT_EQ(pixels_differing(*held, column_above(0, 4), backdrop), pixel_count(column_above(0, 4)));
    EXPECT_EQ(pixels_differing(*held, column_above(1, 0), backdrop), 0);
    EXPECT_NE(shape(*held, legend_label(0), KEY_PRESSED_COLOUR), resting_label);
    EXPECT_FALSE(label_pressed(*held, 1));
    release_and_quit();
}

TEST_F(Overlays, AKeyBoundToAnotherLightsTheColumnAndLabelOfTheKeyItStandsFor) {
    // Letter a on the key that types q, which the 10-key scheme does not use otherwise.
    ASSERT_NO_FATAL_FAILURE(start_with("KEY_LETTER_A=113\n"));
    // Dropped through the binding: a flat I in row 0.
    const std::optional<Bitmap> held = hold("q");
    ASSERT_TRUE(held);
    const Picture& backdrop = pictures().backdrop(false);
    EXPECT_EQ(pixels_differing(*held, column_above(0, 1), backdrop), pixel_count(column_above(0, 1)));
    EXPECT_EQ(pixels_differing(*held, column_above(1, 1), backdrop), 0);
    EXPECT_EQ(shape(*held, legend_label(0), KEY_PRESSED_COLOUR), resting_label);
    release_and_quit();
}
