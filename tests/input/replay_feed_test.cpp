// Games played through the game's own loop and input with random keys in frames of uneven
// length, then kept as replay text, read back and played again in frames paced differently:
// every mode that finishes, scheme, randomizer and placement system, with hold, undo and
// rebound keys. The game played again must end exactly as the game played.
#include "input/replay_feed.h"

#include <gtest/gtest.h>

#include <random>

#include "app/game_loop.h"
#include "options/options.h"
#include "persist/replay_file.h"
#include "persist/settings_file.h"
#include "randomizers/randomizer.h"
#include "rules/actions.h"
#include "support/seams.h"

namespace {

const std::string KEYS = "1234567890qwertyuiopasdfghjkl;zxcvbnm,./  \b";

// The field, the pieces, the counters and the time of the end.
std::string outcome(const Session& session) {
    std::string text;
    for (int column = 0; column < PLAYFIELD_COLUMNS; ++column)
        for (int row = 0; row < PLAYFIELD_ROWS; ++row) text += char('0' + session.game.playfield.cell(column, row));
    for (int number : {session.game.active_piece.type, session.game.hold_piece.type, session.game.lines,
                       session.game.pieces, session.game.keys, int(session.game.finished),
                       session.game.finished ? int(session.game.end_ticks - session.game.start_ticks) : 0})
        text += " " + std::to_string(number);
    return text;
}

}  // namespace

TEST(Replays, AGamePlayedAgainEndsExactlyAsItWasPlayed) {
    FakeClock clock{5000};
    // Plays frames until the input leaves, each 16 ms and a few more, as `jitter` decides.
    const auto play = [&clock](Session& session, unsigned jitter,
                               const std::function<InputResult(Session&, uint32_t)>& input) {
        std::mt19937 pace(jitter);
        run_game_loop(session, {input, [](Session&) {}, [&](uint32_t ms) { clock.now += ms + pace() % 7; }});
    };
    std::mt19937 random{7};
    const RandomFrom seam([&random] { return int(random() & 0x7fffffff); });
    int finished = 0, forty_lines_finished = 0, refused = 0;
    const size_t schemes = control_schemes().size(), randomizers = randomizer_kinds().size();
    for (size_t combination = 0; combination < schemes * randomizers * placement_systems().size(); ++combination) {
        Session live;
        Settings& settings = live.settings;
        const std::string scheme = control_schemes()[combination % schemes].name;
        const std::string randomizer = randomizer_kinds()[combination / schemes % randomizers].name;
        process_line("InputType=" + scheme, settings);
        process_line("Randomizer=" + randomizer, settings);
        process_line(std::string("PieceMaskType=") + placement_systems()[combination / schemes / randomizers].name,
                     settings);
        settings.game_mode = combination % 2 ? GameMode::TwoMinutes : GameMode::FortyLines;
        settings.practice_mode = combination % 4 < 2;
        settings.big_mode = combination % 7 == 0;
        process_line("KEY_LETTER_A=115", settings);  // a plays as s
        apply_randomizer_limits(settings);
        live.reset();
        // A key in about every third frame, and some after the end, which still drop pieces. I
        // pieces set upright in every column in turn finish a 40-lines game.
        const bool stands_up = randomizer == "I-Cheat";
        const std::string upright = scheme == "10-Key" ? "wawswdwfwgwhwjwkwlw;" : "qwertyuiop";
        size_t next_upright = 0;
        uint32_t stop = UINT32_MAX;
        const uint32_t begin = clock.now;
        std::mt19937 keys(combination);
        play(live, combination, [&](Session& g, uint32_t now) {
            if (g.game.finished && stop == UINT32_MAX) stop = now + 200;
            if (now >= stop || now - begin > 200000) return InputResult::LeaveGame;
            unsigned pressed = keys() % 9;
            return read_game_input(g, now, [&](SDL_Event* event) {
                const bool upright_key = stands_up && keys() % 10 != 0;
                event->type = SDL_KEYDOWN;
                event->key.keysym.sym =
                    SDLKey(upright_key ? upright[next_upright++ % upright.size()] : KEYS[keys() % KEYS.size()]);
                return pressed++ < 3;
            });
        });

        const std::optional<Replay> replay = parse_replay(replay_text(live)).replay;
        ASSERT_TRUE(replay);
        Session again;
        ReplayFeed feed(again, replay->settings, replay->recording);
        play(again, combination + 100, [&](Session& g, uint32_t now) {
            if (feed.done() && (g.game.finished || settings.game_mode == GameMode::FortyLines))
                return InputResult::LeaveGame;
            feed.feed(g, now, [&](const TimedKey&, KeyOutcome outcome, const Game&) {
                refused += outcome == KeyOutcome::Refused;
            });
            return InputResult::Continue;
        });

        // The same settings, deals and keys at the same times, and the same end.
        EXPECT_EQ(replay_text(live), replay_text(again));
        EXPECT_EQ(outcome(live), outcome(again)) << replay_text(live);
        finished += live.game.finished;
        forty_lines_finished += live.game.finished && settings.game_mode == GameMode::FortyLines;
    }
    // The games must have been what this test says they were.
    EXPECT_GT(finished, 40);
    EXPECT_GT(forty_lines_finished, 3);
    EXPECT_GT(refused, 100);
}

// A replay says how its game ended; played again, a game that ends otherwise says by which key.
// Upright I pieces in every column in turn clear 40 lines in 200 keys.
TEST(Replays, AGameThatEndsOtherwiseThanRecordedSaysByWhichKey) {
    FakeClock clock{5000};
    Session live;
    process_line("Randomizer=I-Cheat", live.settings);
    live.reset();
    start_play(live, clock.now);
    const std::string round = "wawswdwfwgwhwjwkwlw;";
    for (uint32_t key = 0; !live.game.finished; ++key)
        handle_game_key(live, round[key % round.size()], live.game.start_ticks + 10 * key);
    const std::string text = replay_text(live);
    const auto diverged = [](const std::string& replay_text) {
        const Replay replay = parse_replay(replay_text).replay.value();
        Session again;
        ReplayFeed feed(again, replay.settings, replay.recording, replay.result);
        start_play(again, 0);
        feed.feed(again, 120000);
        return feed.diverged_at(again, 120000);
    };
    const size_t last = text.rfind("press="), result = text.find("result="), lines = text.find("lines 40", result);
    EXPECT_EQ(0u, diverged(text));
    EXPECT_EQ(199u, diverged(text.substr(0, last) + text.substr(result)));  // without the key that finished it
    EXPECT_EQ(200u, diverged(text.substr(0, lines) + "lines 39" + text.substr(lines + 8)));
    EXPECT_EQ(200u, diverged(text.substr(0, result) + "press=9999 97\n" + text.substr(result)));  // one key too many
}
