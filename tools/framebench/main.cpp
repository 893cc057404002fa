// Draws the heaviest game screen many times and prints how long one frame takes (median and
// 99th percentile), and how long the program takes from its start to its first frame. With
// --save it instead draws that screen and another at a fixed time, and the three menu screens, and writes
// them as game.bmp, countdown.bmp, main.bmp, options.bmp and credits.bmp into a folder: drawing changes can
// then be checked pixel for pixel against an earlier build with cmp. With --finish it plays a replay
// through at once and saves its finished screen, with the key F held, as F2 would save it: the browser's
// screen of the same game is checked against it.
// Usage: tapfall_framebench [frames] [asset directory]
//        tapfall_framebench --save FOLDER [asset directory]
//        tapfall_framebench --finish REPLAY BMP [asset directory]
#include <SDL.h>
#include <SDL_opengl.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "app/fatal.h"
#include "app/screenshot.h"
#include "app/startup.h"
#include "input/control_scheme.h"
#include "input/replay_feed.h"
#include "model/clock.h"
#include "model/random_source.h"
#include "persist/replay_file.h"
#include "render/game_screen.h"
#include "render/menu_screens.h"
#include "render/screen.h"
#include "rules/actions.h"
#include "rules/session.h"

namespace {

using Clock = std::chrono::steady_clock;

// Ten previews, a full field, a held piece and the rotation guide: the most the screen draws.
void build_heaviest_screen(Session& session) {
    session.settings.control_scheme = *find_kind(control_schemes(), "40-Key");
    session.settings.piece_previews = MAX_PIECE_PREVIEWS;
    session.settings.rotation_guide = true;
    session.reset();
    for (int column = 0; column < PLAYFIELD_COLUMNS; ++column)
        for (int row = 0; row < PLAYFIELD_ROWS; ++row)
            session.game.playfield.set_cell(column, row, Cell((column + row) % PIECE_TYPES + 1));
    session.game.hold_piece = Piece{PIECE_T, Orientation::Up};
    session.game.started = true;
    session.game.start_ticks = ticks_now();
    session.game.pieces = 123;
    session.game.keys = 321;
    session.game.lines = 17;
}

// A frame as the game draws it: with the keyboard as it is, then shown.
void render(const Session& session, Screen& screen) {
    int size = 0;
    const Uint8* keyboard = SDL_GetKeyState(&size);
    screen.draw(game_view(
        session, [&](KeyCode key) { return key_held(session, key, keyboard, size); }, ticks_now()));
    screen.show();
}

// Seconds since boot at which this process was started, from the kernel's record.
double process_start_seconds() {
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // The command name in field 2 may hold spaces; the fields after it start with field 3.
    std::istringstream fields(text.substr(text.rfind(')') + 1));
    std::string field;
    for (int number = 3; number < 22; ++number) fields >> field;
    unsigned long long start_ticks = 0;
    fields >> start_ticks;
    return double(start_ticks) / double(sysconf(_SC_CLK_TCK));
}

double boot_seconds_now() {
    timespec now;
    clock_gettime(CLOCK_BOOTTIME, &now);
    return double(now.tv_sec) + now.tv_nsec / 1e9;
}

double percentile(std::vector<double> samples, double fraction) {
    std::sort(samples.begin(), samples.end());
    size_t index = size_t(fraction * double(samples.size() - 1) + 0.5);
    return samples[index];
}

// Builds the resources and the game, then draws and times the frames. Both objects are gone
// when it returns, before the libraries that they use shut down.
void run(int frames, Clock::time_point entered) {
    Screen screen;
    Session state;
    build_heaviest_screen(state);

    render(state, screen);
    glFinish();
    const double to_first_frame_ms = std::chrono::duration<double, std::milli>(Clock::now() - entered).count();
    const double since_exec_ms = (boot_seconds_now() - process_start_seconds()) * 1000;

    // glFinish makes each sample the whole cost of its frame, not just the queueing of it. In
    // play most frames change only the running texts, which the first pass makes sure of by
    // starting the game a millisecond earlier each frame; a frame after a key changes the rest
    // too, which the second pass forces by changing the held piece back and forth.
    for (const bool changing : {false, true}) {
        std::vector<double> micros;
        micros.reserve(size_t(frames));
        for (int i = 0; i < frames; ++i) {
            if (changing) state.game.hold_piece.type = i % 2 ? PIECE_T : PIECE_S;
            --state.game.start_ticks;
            const Clock::time_point before = Clock::now();
            render(state, screen);
            glFinish();
            micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - before).count());
        }
        const char* const pass = changing ? "every frame changed" : "render";
        std::printf("%s median: %.0f us\n", pass, percentile(micros, 0.5));
        std::printf("%s p99: %.0f us\n", pass, percentile(micros, 0.99));
    }
    std::printf("frames: %d per pass\n", frames);
    std::printf("first frame shown: %.1f ms after main, %.0f ms after exec (10 ms resolution)\n", to_first_frame_ms,
                since_exec_ms);
}

void save_frame(const std::string& path) { std::ofstream(path, std::ios::binary) << back_buffer_bmp(); }

void save_screens(const std::string& folder) {
    set_clock([] { return uint32_t(4321); });
    set_random_source([] { return 0; });
    Screen screen;
    // Each game screen is drawn a tenth of a second later first: the frame saved changes only
    // its running texts, and is drawn over that one from the copy it kept.
    const auto draw_twice = [&screen](Session& session, KeyCode held) {
        for (const uint32_t earlier : {100u, 0u}) {
            session.game.start_ticks -= earlier;
            session.game.countdown_ticks -= earlier;
            screen.draw(game_view(
                session, [held](KeyCode key) { return key == held; }, ticks_now()));
            session.game.start_ticks += earlier;
            session.game.countdown_ticks += earlier;
        }
    };
    Session state;
    build_heaviest_screen(state);
    state.game.start_ticks = 1234;
    draw_twice(state, 'f');
    save_frame(folder + "/game.bmp");
    // The other look of the screen: the big field in the ARS colours, the 10-key guide, the countdown.
    Session other;
    other.settings.big_mode = other.settings.ars = other.settings.rotation_guide = true;
    other.reset();
    for (int column = 0; column < other.game.playfield.width(); ++column)
        other.game.playfield.set_cell(column, column % 3, CELL_T);
    other.game.countdown_ticks = 2000;
    draw_twice(other, 'g');
    save_frame(folder + "/countdown.bmp");
    const std::pair<MenuScreen, const char*> menus[] = {
        {MenuScreen::Main, "main"}, {MenuScreen::Options, "options"}, {MenuScreen::Credits, "credits"}};
    for (const auto& [menu, name] : menus) {
        screen.draw(menu_view(menu, 1, state.settings));
        save_frame(folder + "/" + name + ".bmp");
    }
    set_clock(nullptr);
    set_random_source(nullptr);
}

// The replay's keys handed over in one go: its times, not the clock, make the result.
void save_finish(const std::string& replay_path, const std::string& bmp) {
    const ReplayRead read = read_replay(replay_path);
    if (!read.replay) fatal_error(read.error);
    Screen screen;
    Session session;
    ReplayFeed feed(session, read.replay->settings, read.replay->recording, read.replay->result);
    start_play(session, 0);
    const uint32_t end = read.replay->recording.keys.empty() ? 0 : read.replay->recording.keys.back().at;
    feed.feed(session, end);
    if (!session.game.finished || feed.diverged_at(session, end))
        fatal_error(replay_path + ": the game does not finish as recorded");
    screen.draw(game_view(
        session, [](KeyCode key) { return key == 'f'; }, end));
    save_frame(bmp);
}

}  // namespace

int main(int argc, char** argv) {
    const Clock::time_point entered = Clock::now();
    const std::string mode = argc > 1 ? argv[1] : "";
    const int paths = mode == "--save" ? 1 : mode == "--finish" ? 2 : 0;
    if (argc < 2 + paths) fatal_error("Missing arguments to " + mode);
    // Made absolute before the program enters the asset folder.
    std::vector<std::string> absolute;
    for (int i = 0; i < paths; ++i) absolute.push_back(std::filesystem::absolute(argv[2 + i]).string());
    const int frames = argc > 1 && !paths ? std::max(1, std::atoi(argv[1])) : 500;
    const char* assets = argc > 2 + paths ? argv[2 + paths] : TAPFALL_BIN_DIR;
    if (chdir(assets) != 0) fatal_error(std::string("Couldn't enter ") + assets);

    init_everything();
    try {
        if (mode == "--save") save_screens(absolute[0]);
        else if (mode == "--finish") save_finish(absolute[0], absolute[1]);
        else run(frames, entered);
    } catch (const LoadError& error) {
        fatal_error(error.what());
    }
    deinit_everything();
    return 0;
}
