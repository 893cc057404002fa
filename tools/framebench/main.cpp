// Draws the heaviest game screen many times and prints how long one frame takes (median and
// 99th percentile), and how long the program takes from its start to its first frame.
// Usage: tapfall_framebench [frames] [asset directory]
#include <SDL_opengl.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "app/fatal.h"
#include "app/startup.h"
#include "model/clock.h"
#include "model/gamestate.h"
#include "render/gamescreen.h"
#include "render/resources.h"

namespace {

using Clock = std::chrono::steady_clock;

// Ten previews, a full field, a held piece and the rotation guide: the most the screen draws.
void build_heaviest_screen(GameState& state) {
    state.input_type = make_input_type(QUARTZ_RAIN_INPUT_NAME);
    state.piece_previews = MAX_PIECE_PREVIEWS;
    state.rotation_guide = true;
    state.reset();
    for (int column = 0; column < PLAYFIELD_COLUMNS; ++column)
        for (int row = 0; row < PLAYFIELD_ROWS; ++row)
            state.playfield.set_cell(column, row, (column + row) % PIECE_TYPES);
    state.hold_piece = Piece{PIECE_T, UP};
    state.started = true;
    state.start_ticks = ticks_now();
    state.pieces = 123;
    state.keys = 321;
    state.lines = 17;
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
    Resources resources;
    GameState state;
    build_heaviest_screen(state);

    render(state, resources);
    glFinish();
    const double to_first_frame_ms =
        std::chrono::duration<double, std::milli>(Clock::now() - entered).count();
    const double since_exec_ms = (boot_seconds_now() - process_start_seconds()) * 1000;

    // glFinish makes each sample the whole cost of its frame, not just the queueing of it.
    std::vector<double> micros;
    micros.reserve(size_t(frames));
    for (int i = 0; i < frames; ++i) {
        const Clock::time_point before = Clock::now();
        render(state, resources);
        glFinish();
        micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - before).count());
    }

    std::printf("frames: %d\n", frames);
    std::printf("render median: %.0f us\n", percentile(micros, 0.5));
    std::printf("render p99: %.0f us\n", percentile(micros, 0.99));
    std::printf("first frame shown: %.1f ms after main, %.0f ms after exec (10 ms resolution)\n",
                to_first_frame_ms, since_exec_ms);
}

}  // namespace

int main(int argc, char** argv) {
    const Clock::time_point entered = Clock::now();
    const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500;
    const char* assets = argc > 2 ? argv[2] : TAPFALL_BIN_DIR;
    if (chdir(assets) != 0) fatal_error(std::string("Couldn't enter ") + assets);

    init_everything();
    run(frames, entered);
    deinit_everything();
    return 0;
}
