#include "persist/replay_file.h"

#include <gtest/gtest.h>

#include "model/game.h"
#include "support/temp_dir.h"

// What a replay holds is played out in tests/input/replay_feed_test.cpp; here, its text.
TEST(ReplayFile, IsReadOnlyWhenEveryLineIsSoundAndIsWrittenWhereItsScreenshotCanStandBesideIt) {
    const std::string first = "#TapFall replay 1\n";
    const auto replay = parse_replay(first + "InputType=40-Key\ndeals=ZSJ\ndeals=LI\npress=0 97\npress=4294967295 -1\n");
    ASSERT_TRUE(replay);
    EXPECT_EQ(1, replay->settings.control_scheme);
    EXPECT_EQ((std::vector<int>{6, 5, 4, 3, 0}), replay->recording.dealt);
    ASSERT_EQ(2u, replay->recording.keys.size());
    EXPECT_EQ(4294967295u, replay->recording.keys[1].at);
    EXPECT_EQ(-1, replay->recording.keys[1].key);
    for (const std::string& text : {std::string("#TapFall replay 2\n"), first + "deals=IX\n", first + "press=12\n",
                                    first + "press=-1 97\n", first + "press=4294967296 97\n", first + "press=1 97 98\n"})
        EXPECT_FALSE(parse_replay(text)) << text;

    const TempDir dir;
    Game game;
    const std::string base = dir.file("game");
    dir.write("game_2.bmp", "");  // another game's screenshot, without its replay
    EXPECT_EQ(dir.file("game.replay"), write_replay(game, base));
    EXPECT_EQ(dir.file("game_3.replay"), write_replay(game, base));
    EXPECT_EQ(replay_text(game), dir.read("game.replay"));
}
