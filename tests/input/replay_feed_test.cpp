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

const std::string KEYS = "1234567890qwertyuiopasdfghjkl;zxcvbnm,./  \b", UPRIGHT_ROUND = "wawswdwfwgwhwjwkwlw;";

// The field, the pieces, the counters and the time of the end.
std::string outcome(const Game& game) {
    std::string text;
    for (int column = 0; column < PLAYFIELD_COLUMNS; ++column)
        for (int row = 0; row < PLAYFIELD_ROWS; ++row) text += char('0' + game.playfield.cell(column, row));
    for (int number : {game.active_piece.type, game.hold_piece.type, game.lines, game.pieces, game.keys,
                       game.finished ? int(game.end_ticks - game.start_ticks) : -1})
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
        const std::string scheme = control_schemes()[combination % schemes].name,
                          randomizer = randomizer_kinds()[combination / schemes % randomizers].name;
        for (const std::string& line :
             {"InputType=" + scheme, "Randomizer=" + randomizer,
              "PieceMaskType=" + std::string(placement_systems()[combination / schemes / randomizers].name),
              std::string(combination % 2 ? "GameMode=2Minutes" : "GameMode=40Lines"),
              "PracticeMode=" + std::string(combination % 4 < 2 ? "TRUE" : "FALSE"),
              "BigMode=" + std::string(combination % 7 ? "FALSE" : "TRUE"), std::string("KEY_LETTER_A=115")})
            process_line(line, live.settings);  // a plays as s
        apply_randomizer_limits(live.settings);
        live.reset();
        // A key in about every third frame, and some after the end, which still drop pieces. I
        // pieces set upright in every column in turn finish a 40-lines game.
        const std::string upright = scheme == "10-Key" ? UPRIGHT_ROUND : "qwertyuiop";
        size_t next_upright = 0;
        uint32_t stop = UINT32_MAX;
        const uint32_t begin = clock.now;
        std::mt19937 keys(combination);
        play(live, combination, [&](Session& s, uint32_t now) {
            if (s.game.finished && stop == UINT32_MAX) stop = now + 200;
            if (now >= stop || now - begin > 200000) return InputResult::LeaveGame;
            unsigned pressed = keys() % 9;
            return read_game_input(s, now, [&](SDL_Event* event) {
                const bool upright_key = randomizer == "I-Cheat" && keys() % 10 != 0;
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
        const bool forty_lines = live.settings.game_mode == GameMode::FortyLines;
        play(again, combination + 100, [&](Session& s, uint32_t now) {
            if (feed.done() && (s.game.finished || forty_lines)) return InputResult::LeaveGame;
            feed.feed(s, now,
                      [&](const TimedKey&, KeyOutcome kept, const Game&) { refused += kept == KeyOutcome::Refused; });
            return InputResult::Continue;
        });
        // The same settings, deals and keys at the same times, and the same end.
        EXPECT_EQ(replay_text(live), replay_text(again));
        EXPECT_EQ(outcome(live.game), outcome(again.game)) << replay_text(live);
        finished += live.game.finished;
        forty_lines_finished += live.game.finished && forty_lines;
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
    for (uint32_t key = 0; !live.game.finished; ++key)
        handle_game_key(live, UPRIGHT_ROUND[key % UPRIGHT_ROUND.size()], live.game.start_ticks + 10 * key);
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
