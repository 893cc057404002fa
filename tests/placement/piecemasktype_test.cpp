#include "placement/piecemasktype.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

const Orientation ORIENTATIONS[] = {UP, LEFT, RIGHT, DOWN};

PieceMask mask_of(const std::string& system, int piece, Orientation orientation) {
    PieceMask mask;
    make_piece_mask_type(system)->get_piece_mask(piece, orientation, &mask);
    return mask;
}

// The mask drawn as rows from the top, '/' between rows, trimmed to its bounding box.
std::string picture(const PieceMask& mask) {
    std::string text;
    for (int row = mask.get_height() - 1; row >= 0; --row) {
        for (int column = 0; column < mask.get_width(); ++column) text += mask.occupied(column, row) ? 'X' : '.';
        if (row > 0) text += '/';
    }
    return text;
}

// In the order UP, LEFT, RIGHT, DOWN.
const char* const SHAPES[PIECE_TYPES][4] = {
    {"XXXX", "X/X/X/X", "X/X/X/X", "XXXX"},
    {"XX/XX", "XX/XX", "XX/XX", "XX/XX"},
    {".X./XXX", ".X/XX/.X", "X./XX/X.", "XXX/.X."},
    {"..X/XXX", "XX/.X/.X", "X./X./XX", "XXX/X.."},
    {"X../XXX", ".X/.X/XX", "XX/X./X.", "XXX/..X"},
    {".XX/XX.", "X./XX/.X", "X./XX/.X", ".XX/XX."},
    {"XX./.XX", ".X/XX/X.", ".X/XX/X.", "XX./.XX"},
};
const int WIDTHS[PIECE_TYPES][4] = {
    {4, 1, 1, 4}, {2, 2, 2, 2}, {3, 2, 2, 3}, {3, 2, 2, 3}, {3, 2, 2, 3}, {3, 2, 2, 3}, {3, 2, 2, 3}};
const int CENTER_AXES[PIECE_TYPES][4] = {
    {1, 0, 0, 1}, {0, 0, 0, 0}, {1, 1, 0, 1}, {1, 1, 0, 1}, {1, 1, 0, 1}, {1, 1, 0, 1}, {1, 1, 0, 1}};
const int LEFT_LOWEST_AXES[PIECE_TYPES][4] = {
    {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 1, 0, 1}, {0, 1, 0, 0}, {0, 0, 0, 2}, {0, 1, 1, 0}, {1, 0, 0, 1}};
const int RIGHT_LOWEST_AXES[PIECE_TYPES][4] = {
    {3, 0, 0, 3}, {1, 1, 1, 1}, {2, 1, 0, 1}, {2, 1, 1, 0}, {2, 1, 0, 2}, {1, 1, 1, 1}, {2, 0, 0, 2}};

}  // namespace

TEST(Placement, EverySystemGivesEachShapeWithItsAxisColumnAndBoxOffset) {
    for (int piece = 0; piece < PIECE_TYPES; ++piece)
        for (Orientation o : ORIENTATIONS) {
            const int w = WIDTHS[piece][o];
            // Axis column and box offset per system, in menu order.
            const std::pair<int, int> expected[] = {{0, 0},
                                                    {CENTER_AXES[piece][o], 1 - CENTER_AXES[piece][o]},
                                                    {w - 1, 4 - w},
                                                    {LEFT_LOWEST_AXES[piece][o], 0},
                                                    {RIGHT_LOWEST_AXES[piece][o], 4 - w}};
            for (size_t system = 0; system < piece_mask_type_names().size(); ++system) {
                const std::string& name = piece_mask_type_names()[system];
                const PieceMask mask = mask_of(name, piece, o);
                SCOPED_TRACE(testing::Message() << name << " piece " << piece << " orientation " << o);
                EXPECT_EQ(picture(mask), SHAPES[piece][o]);
                EXPECT_EQ(mask.get_width(), w);
                for (int cell : mask.cells) EXPECT_TRUE(cell == 0 || cell == 1);
                EXPECT_EQ(std::count(std::begin(mask.cells), std::end(mask.cells), 1), 4);
                EXPECT_EQ(mask.axis_column, expected[system].first);
                EXPECT_EQ(mask.preview_offset, expected[system].second);
            }
        }
}

TEST(Placement, AnUnknownOrientationIsUpAndAnUnknownPieceLeavesTheMaskAlone) {
    for (const std::string& system : piece_mask_type_names()) {
        const PieceMask odd = mask_of(system, PIECE_T, static_cast<Orientation>(7));
        const PieceMask up = mask_of(system, PIECE_T, UP);
        EXPECT_EQ(picture(odd), picture(up)) << system;
        EXPECT_EQ(odd.axis_column, up.axis_column) << system;
        EXPECT_EQ(odd.preview_offset, up.preview_offset) << system;
        for (int piece : {NO_PIECE, 7, 1000}) {
            PieceMask mask;
            mask.cells[5] = 9;
            mask.axis_column = 42;
            mask.preview_offset = -3;
            make_piece_mask_type(system)->get_piece_mask(piece, UP, &mask);
            EXPECT_EQ(mask.cells[5], 9);
            EXPECT_EQ(mask.cells[0], 0);
            EXPECT_EQ(mask.axis_column, 42);
            EXPECT_EQ(mask.preview_offset, -3);
        }
    }
}
