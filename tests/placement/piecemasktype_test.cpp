#include "placement/piecemasktype.h"

#include <gtest/gtest.h>

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
        for (int column = 0; column < mask.get_width(); ++column)
            text += mask.occupied(column, row) ? 'X' : '.';
        if (row > 0) text += '/';
    }
    return text;
}

// Widths of every shape, in the order UP, LEFT, RIGHT, DOWN.
const int WIDTHS[PIECE_TYPES][4] = {
    {4, 1, 1, 4}, {2, 2, 2, 2}, {3, 2, 2, 3}, {3, 2, 2, 3}, {3, 2, 2, 3}, {3, 2, 2, 3}, {3, 2, 2, 3}};
const int CENTER_AXES[PIECE_TYPES][4] = {
    {1, 0, 0, 1}, {0, 0, 0, 0}, {1, 1, 0, 1}, {1, 1, 0, 1}, {1, 1, 0, 1}, {1, 1, 0, 1}, {1, 1, 0, 1}};
const int LEFT_LOWEST_AXES[PIECE_TYPES][4] = {
    {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 1, 0, 1}, {0, 1, 0, 0}, {0, 0, 0, 2}, {0, 1, 1, 0}, {1, 0, 0, 1}};
const int RIGHT_LOWEST_AXES[PIECE_TYPES][4] = {
    {3, 0, 0, 3}, {1, 1, 1, 1}, {2, 1, 0, 1}, {2, 1, 1, 0}, {2, 1, 0, 2}, {1, 1, 1, 1}, {2, 0, 0, 2}};

}  // namespace

TEST(PieceShapes, MatchTheShapeTableForEveryPieceAndOrientation) {
    const char* const expected[PIECE_TYPES][4] = {
        {"XXXX", "X/X/X/X", "X/X/X/X", "XXXX"},
        {"XX/XX", "XX/XX", "XX/XX", "XX/XX"},
        {".X./XXX", ".X/XX/.X", "X./XX/X.", "XXX/.X."},
        {"..X/XXX", "XX/.X/.X", "X./X./XX", "XXX/X.."},
        {"X../XXX", ".X/.X/XX", "XX/X./X.", "XXX/..X"},
        {".XX/XX.", "X./XX/.X", "X./XX/.X", ".XX/XX."},
        {"XX./.XX", ".X/XX/X.", ".X/XX/X.", "XX./.XX"},
    };
    for (const std::string& system : piece_mask_type_names()) {
        for (int piece = 0; piece < PIECE_TYPES; ++piece) {
            for (Orientation orientation : ORIENTATIONS) {
                PieceMask mask = mask_of(system, piece, orientation);
                EXPECT_EQ(picture(mask), expected[piece][orientation])
                    << system << " piece " << piece << " orientation " << orientation;
                int blocks = 0;
                for (int cell : mask.cells) {
                    EXPECT_TRUE(cell == 0 || cell == 1);
                    blocks += cell;
                }
                EXPECT_EQ(blocks, 4);
                EXPECT_EQ(mask.get_width(), WIDTHS[piece][orientation]);
            }
        }
    }
}

TEST(PieceShapes, AnUnknownOrientationIsTreatedAsUp) {
    for (const std::string& system : piece_mask_type_names()) {
        PieceMask odd = mask_of(system, PIECE_T, static_cast<Orientation>(7));
        PieceMask up = mask_of(system, PIECE_T, UP);
        EXPECT_EQ(picture(odd), picture(up)) << system;
        EXPECT_EQ(odd.axis_column, up.axis_column) << system;
        EXPECT_EQ(odd.preview_offset, up.preview_offset) << system;
    }
}

TEST(PieceShapes, APieceOutsideTheSevenTypesLeavesTheMaskUntouched) {
    for (const std::string& system : piece_mask_type_names()) {
        for (int piece : {-1, 7, 1000}) {
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

TEST(PlacementAxes, EverySystemPutsItsAxisWhereItsRuleSays) {
    for (int piece = 0; piece < PIECE_TYPES; ++piece) {
        for (Orientation o : ORIENTATIONS) {
            int w = WIDTHS[piece][o];
            PieceMask left = mask_of(LEFT_PIECE_MASK_NAME, piece, o);
            EXPECT_EQ(left.axis_column, 0);
            EXPECT_EQ(left.preview_offset, 0);

            PieceMask right = mask_of(RIGHT_PIECE_MASK_NAME, piece, o);
            EXPECT_EQ(right.axis_column, w - 1);
            EXPECT_EQ(right.preview_offset, 4 - w);

            PieceMask center = mask_of(CENTER_PIECE_MASK_NAME, piece, o);
            EXPECT_EQ(center.axis_column, CENTER_AXES[piece][o]) << piece << " " << o;
            EXPECT_EQ(center.preview_offset, 1 - CENTER_AXES[piece][o]);

            PieceMask left_lowest = mask_of(LEFT_LOWEST_PIECE_MASK_NAME, piece, o);
            EXPECT_EQ(left_lowest.axis_column, LEFT_LOWEST_AXES[piece][o]) << piece << " " << o;
            EXPECT_EQ(left_lowest.preview_offset, 0);

            PieceMask right_lowest = mask_of(RIGHT_LOWEST_PIECE_MASK_NAME, piece, o);
            EXPECT_EQ(right_lowest.axis_column, RIGHT_LOWEST_AXES[piece][o]) << piece << " " << o;
            EXPECT_EQ(right_lowest.preview_offset, 4 - w);
        }
    }
}

TEST(PlacementAxes, CenterAlignedSAndZSitOneColumnApartInLeftAndRight) {
    for (int piece : {PIECE_S, PIECE_Z}) {
        PieceMask left = mask_of(CENTER_PIECE_MASK_NAME, piece, LEFT);
        PieceMask right = mask_of(CENTER_PIECE_MASK_NAME, piece, RIGHT);
        EXPECT_EQ(picture(left), picture(right));
        EXPECT_EQ(left.axis_column, 1);
        EXPECT_EQ(right.axis_column, 0);
    }
}

TEST(PlacementRegistry, NamesRoundTripInMenuOrder) {
    const std::vector<std::string> expected = {"Left-aligned", "Center-aligned", "Right-aligned",
                                               "Leftmost lowest", "Rightmost lowest"};
    EXPECT_EQ(piece_mask_type_names(), expected);
    for (const std::string& name : expected) EXPECT_EQ(make_piece_mask_type(name)->get_name(), name);
    EXPECT_EQ(make_piece_mask_type("left-aligned"), nullptr);
    EXPECT_EQ(make_piece_mask_type(""), nullptr);
}
