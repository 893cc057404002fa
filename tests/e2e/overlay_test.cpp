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

using Overlays = GameTest;

TEST_F(Overlays, HoldingAFortyKeyLightsItsColumnAndShowsItsLabelInThePressedColour) {
    write_settings(std::string(NO_SOUND) + "Randomizer=I-Cheat\nInputType=40-Key\n");
    start();
    ASSERT_TRUE(start_game());
    const std::optional<Bitmap> idle = capture();
    ASSERT_TRUE(idle);
    const Pixels label_a = shape(*idle, legend_label(0), KEY_LEGEND_COLOUR);
    EXPECT_FALSE(label_a.empty());

    // z turns the I upright into column 0 and stays held.
    key_down("z");
    const std::optional<Bitmap> held = wait_for_frame([](const Bitmap& frame) { return label_pressed(frame, 0); });
    key_up("z");
    ASSERT_TRUE(held);
    const Picture& backdrop = pictures().backdrop(false);
    EXPECT_EQ(pixels_differing(*held, column_above(0, 4), backdrop), pixel_count(column_above(0, 4)));
    EXPECT_EQ(pixels_differing(*held, column_above(1, 0), backdrop), 0);
    EXPECT_NE(shape(*held, legend_label(0), KEY_PRESSED_COLOUR), label_a);
    EXPECT_FALSE(label_pressed(*held, 1));

    EXPECT_TRUE(wait_for_frame([](const Bitmap& frame) { return !label_pressed(frame, 0); }));
    type({"Escape", "Escape"});
    EXPECT_EQ(wait_for_exit(), 0);
}

TEST_F(Overlays, AKeyBoundToAnotherLightsTheColumnAndLabelOfTheKeyItStandsFor) {
    // Letter a on the key that types q, which the 10-key scheme does not use otherwise.
    write_settings(std::string(NO_SOUND) + "Randomizer=I-Cheat\nKEY_LETTER_A=113\n");
    start();
    ASSERT_TRUE(start_game());
    const std::optional<Bitmap> idle = capture();
    ASSERT_TRUE(idle);
    const Pixels label_a = shape(*idle, legend_label(0), KEY_LEGEND_COLOUR);
    EXPECT_FALSE(label_a.empty());

    // Dropped through the binding: a flat I in row 0.
    key_down("q");
    const std::optional<Bitmap> held = wait_for_frame([](const Bitmap& frame) { return label_pressed(frame, 0); });
    key_up("q");
    ASSERT_TRUE(held);
    const Picture& backdrop = pictures().backdrop(false);
    EXPECT_EQ(pixels_differing(*held, column_above(0, 1), backdrop), pixel_count(column_above(0, 1)));
    EXPECT_EQ(pixels_differing(*held, column_above(1, 1), backdrop), 0);
    EXPECT_EQ(shape(*held, legend_label(0), KEY_PRESSED_COLOUR), label_a);

    EXPECT_TRUE(wait_for_frame([](const Bitmap& frame) { return !label_pressed(frame, 0); }));
    type({"Escape", "Escape"});
    EXPECT_EQ(wait_for_exit(), 0);
}
