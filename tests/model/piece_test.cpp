#include "model/piece.h"

#include <gtest/gtest.h>

TEST(Piece, TurnsFollowTheRotationOrderAndSpawnFlatSideUpWithArsOnlyForTLAndJ) {
    // From Up, Left, Right and Down in turn: where each turn leads, as U, L, R and D.
    const std::pair<Turn, const char*> turns[] = {
        {Turn::Cw, "RUDL"}, {Turn::Ccw, "LDUR"}, {Turn::Half, "DRLU"}, {Turn::None, "ULRD"}};
    for (const auto& [turn, leads_to] : turns) {
        std::string reached;
        for (int from = 0; from < 4; ++from) {
            Piece piece{PIECE_T, Orientation(from)};
            piece.turn(turn);
            reached += "ULRD"[int(piece.orientation)];
            piece.turn(opposite(turn));
            EXPECT_EQ(Orientation(from), piece.orientation);
        }
        EXPECT_EQ(leads_to, reached);
    }
    std::string spawned;
    for (int type = PIECE_I; type <= PIECE_Z; ++type)
        for (bool ars : {false, true}) {
            Piece piece{type, Orientation::Left};
            piece.spawn(ars);
            spawned += "ULRD"[int(piece.orientation)];
        }
    EXPECT_EQ("UUUUUDUDUDUUUU", spawned);
}
