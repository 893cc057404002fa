#include "model/piece.h"

#include <gtest/gtest.h>

TEST(Piece, TurnsFollowTheNubOfTheT) {
    // From each orientation, in enum order: clockwise, counter-clockwise, half turn.
    const Orientation after[4][3] = {
        {RIGHT, LEFT, DOWN}, {UP, DOWN, RIGHT}, {DOWN, UP, LEFT}, {LEFT, RIGHT, UP}};
    for (Orientation start : {UP, LEFT, RIGHT, DOWN}) {
        Piece cw{PIECE_T, start}, ccw{PIECE_T, start}, half{PIECE_T, start};
        cw.rotate_cw();
        ccw.rotate_ccw();
        half.rotate_double();
        EXPECT_EQ(cw.orientation, after[start][0]) << start;
        EXPECT_EQ(ccw.orientation, after[start][1]) << start;
        EXPECT_EQ(half.orientation, after[start][2]) << start;
    }
}

TEST(Piece, ArsSpawnsOnlyTLAndJFlatSideUp) {
    for (int type = NO_PIECE; type < PIECE_TYPES; ++type) {
        Piece piece{type, LEFT};
        piece.orient_init(false);
        EXPECT_EQ(piece.orientation, UP) << type;
        piece.orient_init(true);
        bool flat_up = type == PIECE_T || type == PIECE_L || type == PIECE_J;
        EXPECT_EQ(piece.orientation, flat_up ? DOWN : UP) << type;
        EXPECT_EQ(piece.type, type);
    }
}
