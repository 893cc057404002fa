#include "model/piece.h"

#include <gtest/gtest.h>

#include "model/key_bindings.h"

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
    EXPECT_EQ(CELL_Z, (Piece{PIECE_Z, Orientation::Up}.cell()));
    PieceMask mask;
    mask.cells[2 * 4 + 0] = 1;
    EXPECT_EQ(std::make_pair(3, 1), std::make_pair(mask.width(), mask.height()));
    mask.cells[0 * 4 + 3] = 1;
    EXPECT_EQ(4, mask.height());
    EXPECT_EQ(0, PieceMask{}.width() + PieceMask{}.height());
}

TEST(KeyBindings, TranslateLettersFirstAndKeepReturnEscapeAndF2) {
    KeyBindings bindings;
    EXPECT_EQ(std::make_pair('a', KEY_SPACE), std::make_pair(char(bindings.translate('a')), bindings.translate(' ')));
    EXPECT_EQ(KEY_NONE, bindings.translate(273));
    EXPECT_EQ(273, bindings.physical_key(273));
    // Letter a bound to Q while q keeps Q: Q means a, A means nothing, and both show Q as held.
    bindings.keys[10] = 'q';
    EXPECT_EQ('a', bindings.translate('q'));
    EXPECT_EQ(KEY_NONE, bindings.translate('a'));
    EXPECT_EQ('q', bindings.physical_key('a'));
    EXPECT_EQ('q', bindings.physical_key('q'));
    // A letter wins over a digit bound to the same key; the last entries are reached too.
    bindings.keys[1] = 'q';
    EXPECT_EQ('a', bindings.translate('q'));
    bindings.keys[41] = 'x';
    bindings.keys[33] = 'y';
    EXPECT_EQ('x', bindings.translate('y'));
    EXPECT_EQ(KEY_SPACE, bindings.translate('x'));
    EXPECT_EQ(';', logical_key(36));
    bindings.keys[5] = KEY_F2;
    for (KeyCode fixed : {KEY_RETURN, KEY_ESCAPE, KEY_F2})
        EXPECT_EQ(std::make_pair(fixed, fixed), std::make_pair(bindings.translate(fixed), bindings.physical_key(fixed)));
}
