#include "persist/replay_file.h"

#include <gtest/gtest.h>

#include "rules/session.h"
#include "support/temp_dir.h"

namespace {

const std::string FIRST = "#TapFall replay 2\n";
const std::string RESULT = "result=lines 0 pieces 0 keys 2 time 0 field 0000abcd\n";

}  // namespace

// What a replay holds is played out in tests/input/replay_feed_test.cpp; here, its text. A replay
// is a file players share, so every line must be one this game writes, in its place.
TEST(ReplayFile, IsReadOnlyWhenEveryLineIsOneTheGameWritesInItsPlace) {
    const Replay read =
        parse_replay(FIRST + "InputType=40-Key\ndeals=ZSJ\ndeals=LI\npress=0 1\npress=4294967295 322\n" + RESULT)
            .replay.value();
    EXPECT_EQ(1, read.settings.control_scheme.index);
    EXPECT_EQ((std::vector<int>{6, 5, 4, 3, 0}), read.recording.dealt);
    EXPECT_EQ(4294967295u, read.recording.keys.at(1).at);
    EXPECT_EQ(2, read.result.value().keys);
    EXPECT_FALSE(parse_replay("#TapFall replay 1\ndeals=I\n").replay.value().result);  // version 1 did not say

    const std::string deals = "deals=IOT\n";
    for (const auto& [text, error] : std::vector<std::pair<std::string, std::string>>{
             {"", "an empty file"},
             {"#TapFall replay 3\n", "line 1: a replay of version 3, newer than this game reads"},
             {"#TapFall replay 2x\n", "line 1: not a Tapfall replay"},
             {FIRST + "BigMode=maybe\n", "line 2: not a line of the settings this game writes: BigMode=maybe"},
             {FIRST + "hello world\n", "line 2: not a line of the settings this game writes: hello world"},
             {FIRST + deals + "Sound=TRUE\n", "line 3: a setting after the deals: Sound=TRUE"},
             {FIRST + "deals=IX\n", "line 2: a piece other than I, O, T, L, J, S and Z"},
             {FIRST + "press=1 97\n", "line 2: a key before any piece was dealt"},
             {FIRST + deals + "press=12\n", "line 3: not a time and a key code: 12"},
             {FIRST + deals + "press=+1 97\n", "line 3: not a time and a key code: +1 97"},
             {FIRST + deals + "press=4294967296 97\n", "line 3: not a time and a key code: 4294967296 97"},
             {FIRST + deals + "press=900 97\npress=500 97\n", "line 4: time 500 goes back from 900"},
             {FIRST + deals + "press=1 0\n", "line 3: key code 0 is outside the key table"},
             {FIRST + deals + "press=1 2147483647\n", "line 3: key code 2147483647 is outside the key table"},
             {FIRST + deals + "press=1 13\n", "line 3: key code 13 is one the game never records"},
             {FIRST + deals + "press=1 27\n", "line 3: key code 27 is one the game never records"},
             {FIRST + deals + "press=1 283\n", "line 3: key code 283 is one the game never records"},
             {FIRST + deals + "press=1 97\ndeals=I\n", "line 4: deals after the keys or the result"},
             {FIRST + deals + "result=lines 0 pieces 0 keys 0 time 0 field abcd\n",
              "line 3: not a result of lines, pieces, keys, time and field: lines 0 pieces 0 keys 0 time 0 field abcd"},
             {FIRST + deals + RESULT + "press=1 97\n", "line 4: nothing may follow the result"},
             {FIRST + "Sound=TRUE\n" + RESULT, "no pieces were dealt"},
             {FIRST + deals + "press=1 97\n", "it ends at line 3 without its result"},
             {FIRST + deals + "press=1 9", "line 3: cut short: it has no line feed"},
             {FIRST + deals + "press=1 97\n" + std::string(5000, '#') + "\n",
              "line 4: longer than any line of a replay"},
             {"#TapFall replay 1\n" + deals + RESULT, "line 3: a result line in a replay of version 1"},
         })
        EXPECT_EQ(error, parse_replay(text).error) << text;

    const TempDir dir;
    Session session;
    EXPECT_EQ("", parse_replay(replay_text(session)).error);
    const std::string base = dir.file("game");
    dir.write("game_2.bmp", "");  // another game's screenshot, without its replay
    EXPECT_EQ(dir.file("game.replay"), write_replay(session, base));
    EXPECT_EQ(dir.file("game_3.replay"), write_replay(session, base));
    EXPECT_EQ(replay_text(session), dir.read("game.replay"));
    dir.write("bad.replay", FIRST + "hello\n");
    EXPECT_EQ(dir.file("bad.replay") + ":2: not a line of the settings this game writes: hello",
              read_replay(dir.file("bad.replay")).error);
    EXPECT_EQ("cannot read " + dir.file("none.replay") + ": No such file or directory",
              read_replay(dir.file("none.replay")).error);
    EXPECT_EQ("cannot read " + dir.path().string() + ": Is a directory", read_replay(dir.path()).error);
}
