#include "stats/key_analysis.h"

#include <gtest/gtest.h>

#include "model/piece.h"
#include "randomizers/randomizer.h"

// Flat I pieces, dealt as recorded, under the 10-key scheme without clamping: the semicolon's
// column has no room for a flat I, but has for one turned upright by w.
TEST(KeyAnalysis, TimesEveryKeyFromThePiecesArrivalAndCountsItsRefusedDrops) {
    Replay replay;
    replay.settings.randomizer = *find_kind(randomizer_kinds(), "I-Cheat");
    replay.settings.column_clamp = false;
    replay.recording.dealt.assign(20, PIECE_I);
    replay.settings.double_hold = false;
    replay.settings.practice_mode = true;
    // Backspace before the first drop has nothing to undo, and the second hold does nothing: the
    // waits for the next drops run from the piece's arrival and from the first hold.
    replay.recording.keys = {{450, '\b'}, {500, 'a'},  {800, ';'},  {1000, 'w'},
                             {1300, ';'}, {1400, ' '}, {1700, ' '}, {2100, 'a'}};
    std::vector<KeyStats> keys;
    analyse_replay(replay, keys);
    EXPECT_EQ(
        "key        presses  mean ms  median ms  refused drops\n"
        "a                2      600        600  0 of 2\n"
        ";                2      550        550  1 of 2\n"
        "w                1      500        500  -\n"
        "Backspace        1      450        450  -\n"
        "Space            2      200        200  -\n",
        keys_report(keys));
    // A second game adds to the same keys.
    analyse_replay(replay, keys);
    EXPECT_EQ(4, keys[1].presses);
    EXPECT_EQ(600, keys[1].median_wait());
    EXPECT_EQ("Backspace key 283", key_name(8) + " " + key_name(283));
}
