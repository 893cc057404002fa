#include "model/piece.h"

#include <gtest/gtest.h>

namespace {

const Orientation ALL_ORIENTATIONS[] = {UP, LEFT, RIGHT, DOWN};

Orientation after(Orientation start, void (Piece::*turn)(), int times) {
    Piece piece{PIECE_T, start};
    for (int i = 0; i < times; ++i) (piece.*turn)();
    return piece.orientation;
}

}  // namespace

TEST(PieceRotation, QuarterTurnsFollowTheNubOfTheT) {
    EXPECT_EQ(after(UP, &Piece::rotate_cw, 1), RIGHT);
    EXPECT_EQ(after(UP, &Piece::rotate_cw, 2), DOWN);
    EXPECT_EQ(after(UP, &Piece::rotate_cw, 3), LEFT);
    EXPECT_EQ(after(UP, &Piece::rotate_ccw, 1), LEFT);
    EXPECT_EQ(after(UP, &Piece::rotate_ccw, 2), DOWN);
    EXPECT_EQ(after(LEFT, &Piece::rotate_double, 1), RIGHT);
    EXPECT_EQ(after(UP, &Piece::rotate_double, 1), DOWN);
}

TEST(PieceRotation, FullTurnsAndInversesReturnEveryOrientation) {
    for (Orientation start : ALL_ORIENTATIONS) {
        EXPECT_EQ(after(start, &Piece::rotate_cw, 4), start);
        EXPECT_EQ(after(start, &Piece::rotate_ccw, 4), start);
        EXPECT_EQ(after(start, &Piece::rotate_double, 2), start);
        Piece piece{PIECE_L, start};
        piece.rotate_cw();
        piece.rotate_ccw();
        EXPECT_EQ(piece.orientation, start);
        piece.rotate_cw();
        piece.rotate_cw();
        EXPECT_EQ(piece.orientation, after(start, &Piece::rotate_double, 1));
    }
}

TEST(PieceSpawn, ArsTurnsOnlyTLAndJFlatSideUp) {
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

TEST(PieceSwap, ExchangesTypeAndOrientation) {
    Piece a{PIECE_S, RIGHT};
    Piece b{NO_PIECE, UP};
    swap_pieces(&a, &b);
    EXPECT_EQ(a.type, NO_PIECE);
    EXPECT_EQ(a.orientation, UP);
    EXPECT_EQ(b.type, PIECE_S);
    EXPECT_EQ(b.orientation, RIGHT);
}

TEST(PieceMaskSize, MeasuresTheBoundingBoxFromColumnAndRowZero) {
    PieceMask empty;
    EXPECT_EQ(empty.get_width(), 0);
    EXPECT_EQ(empty.get_height(), 0);

    PieceMask single;
    single.cells[2 * 4 + 0] = 1;
    EXPECT_EQ(single.get_width(), 3);
    EXPECT_EQ(single.get_height(), 1);
}

TEST(PieceMaskSet, ReadsThePictureTopRowFirst) {
    PieceMask corner;
    corner.set({1, 0, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0}, 2, 3);
    EXPECT_TRUE(corner.occupied(0, 3));
    EXPECT_EQ(corner.get_width(), 1);
    EXPECT_EQ(corner.get_height(), 4);
    EXPECT_EQ(corner.axis_column, 2);
    EXPECT_EQ(corner.preview_offset, 3);

    PieceMask t;
    t.set({0, 0, 0, 0,  0, 0, 0, 0,  0, 1, 0, 0,  1, 1, 1, 0}, 0, 0);
    EXPECT_TRUE(t.occupied(1, 1));
    EXPECT_TRUE(t.occupied(0, 0) && t.occupied(1, 0) && t.occupied(2, 0));
    EXPECT_FALSE(t.occupied(0, 1));
    EXPECT_EQ(t.get_width(), 3);
    EXPECT_EQ(t.get_height(), 2);
}
