#include <algorithm>
#include <csignal>
#include <cstdio>
#include <optional>
#include <vector>

#include "app/command_line.h"
#include "app/fatal.h"
#include "app/game_loop.h"
#include "app/menu.h"
#include "app/platform.h"
#include "app/sound_board.h"
#include "app/startup.h"
#include "input/replay_feed.h"
#include "persist/player_folder.h"
#include "persist/replay_file.h"
#include "persist/settings_file.h"
#include "render/screen.h"

namespace {

// A recorded game in the window; it keeps no screenshot of its own finish, only those asked for.
// Returns the number of the key by which it ended otherwise than recorded, or 0.
size_t play_again(const Replay& replay, Screen& screen, const SoundBoard& sounds) {
    Session session;
    ReplayFeed feed(session, replay.settings, replay.recording, replay.result);
    session.settings.auto_screenshot = false;
    return replay_loop(session, feed, screen, sounds);
}

}  // namespace

int main(int argc, char** argv) {
    // A file that reaches the file-size limit must fail its write, which each writer takes back
    // or skips, instead of ending the game on the spot with half a line written.
    std::signal(SIGXFSZ, SIG_IGN);
    const Command command = parse_command_line(std::vector<std::string>(argv + std::min(argc, 1), argv + argc));
    if (!command.error.empty()) {
        std::fprintf(stderr, "tapfall: %s\n", command.error.c_str());
        return 2;
    }
    change_to_program_directory(argc > 0 ? argv[0] : nullptr);
    choose_player_folder();
    if (command.kind != CommandKind::Play && command.kind != CommandKind::Replay)
        return run_text_command(command, stdout, stderr);
    const ReplayRead read = command.kind == CommandKind::Replay ? read_replay(command.replay) : ReplayRead{};
    const std::optional<Replay>& replay = read.replay;
    if (command.kind == CommandKind::Replay && !replay) {
        std::fprintf(stderr, "tapfall: %s\n", read.error.c_str());
        return 2;
    }
    size_t diverged = 0;
    init_everything();
    try {
        // Pictures and fonts first, then the sounds: the first missing file in that order is named.
        Screen screen;
        const SoundBoard sounds;
        if (replay) {
            diverged = play_again(*replay, screen, sounds);
        } else {
            Session session;
            import_settings(session.settings, settings_file_to_read());
            session.reset();
            main_menu(session, screen, sounds);
        }
    } catch (const LoadError& error) {
        fatal_error(error.what(), error.cause);
    }
    deinit_everything();
    if (diverged) std::fprintf(stderr, "tapfall: %s: diverged at key %zu\n", command.replay.c_str(), diverged);
    return program_end(diverged ? 2 : 0);
}
