// GameTest: the fixture of the end-to-end tests: a private X server, a fresh copy of the
// built game in a temporary folder, the running game, and the keyboard, files and pictures.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "e2e/bitmap.h"
#include "e2e/process.h"
#include "e2e/screens.h"
#include "e2e/xserver.h"

namespace fs = std::filesystem;

// Generous bounds for a loaded machine; every wait polls and ends as soon as it can.
constexpr Milliseconds WINDOW_TIMEOUT(15000);
constexpr Milliseconds EXIT_TIMEOUT(5000);
constexpr Milliseconds FILE_TIMEOUT(5000);
constexpr Milliseconds FRAME_TIMEOUT(10000);
// The three-second countdown comes on top of a frame's time.
constexpr Milliseconds GAME_START_TIMEOUT = Milliseconds(3000) + FRAME_TIMEOUT;

constexpr const char* WINDOW_TITLE = "Tapfall v1.07";

// The settings line for tests in which sound plays no part: quitting then skips the quit wait.
constexpr const char* NO_SOUND = "Sound=FALSE\n";

// How to start the game; the defaults run the copy by its absolute path from its folder.
struct GameStart {
    // Empty: the absolute path of the copied game.
    std::string program;
    // Empty: the same as program.
    std::string argv0;
    // Empty: the game's folder.
    fs::path working_directory;
    // Applied over DISPLAY and SDL_AUDIODRIVER=dummy; nullopt removes a variable.
    Environment environment;

    GameStart& run(std::string path) { program = std::move(path); return *this; }
    GameStart& named(std::string name) { argv0 = std::move(name); return *this; }
    GameStart& from(fs::path directory) { working_directory = std::move(directory); return *this; }
    GameStart& set(const std::string& name, std::string value) {
        environment[name] = std::move(value);
        return *this;
    }
    GameStart& unset(const std::string& name) {
        environment[name] = std::nullopt;
        return *this;
    }
};

// A BMP that the game saved, with the name it chose.
struct Screenshot {
    fs::path name;
    Bitmap picture;
};

class GameTest : public ::testing::Test {
protected:
    GameTest();
    ~GameTest() override;

    // Where the copy of build/bin lives; the game's files are under it.
    const fs::path& folder() const { return folder_; }
    fs::path game_path() const { return folder_ / "tapfall"; }
    // A new empty directory inside the temporary area, removed with it.
    fs::path make_directory(const std::string& name) const;
    void write_settings(const std::string& text) const;

    void start(const GameStart& how = {});
    // Waits for the game's window; 0 when it did not appear (the game ended or the time ran out).
    unsigned long find_window();
    // The window found by find_window (which it calls when needed); fails the test without one.
    unsigned long window();

    // xdotool key names: "Escape", "a", "space", "Return", "F2", "semicolon"...
    void press(const std::string& key);
    void key_down(const std::string& key);
    void key_up(const std::string& key);
    // Several keys in one go, a few milliseconds apart, in order.
    void type(const std::vector<std::string>& keys);

    std::optional<int> wait_for_exit(Milliseconds timeout = EXIT_TIMEOUT);
    bool game_running();
    std::string error_output() const;

    // Polls until the file exists in the game's folder (or the path given is absolute).
    bool wait_for_file(const fs::path& name, Milliseconds timeout = FILE_TIMEOUT) const;
    std::vector<fs::path> bmp_files() const;
    // Polls until a new BMP (not among `before`) appears and has been written completely.
    std::optional<fs::path> wait_for_new_bmp(const std::vector<fs::path>& before,
                                             Milliseconds timeout = FILE_TIMEOUT) const;

    // What the window shows now.
    std::optional<Bitmap> capture();
    // Captures the window until a frame satisfies `shows` and returns that frame; fails the test
    // when none does in time.
    std::optional<Bitmap> wait_for_frame(const std::function<bool(const Bitmap&)>& shows,
                                         Milliseconds timeout = FRAME_TIMEOUT);
    std::optional<Bitmap> wait_for_screen(Screen screen, Milliseconds timeout = FRAME_TIMEOUT);
    std::optional<Bitmap> wait_for_main_menu(int highlighted_entry);
    std::optional<Bitmap> wait_for_options(int highlighted_line);
    // Enter on the main menu, whose "Start Game" must be highlighted; true once the countdown is
    // over, so that keys count from then on.
    bool start_game();
    // F2 during a game: the game saves the next frame it draws.
    std::optional<Screenshot> take_screenshot();

    // From the main menu with "Start Game" highlighted to the options screen.
    bool open_options();
    // Moves the highlight down to the options line and presses Enter on it.
    void choose_option(int option);
    // Chooses "Save Settings" and returns the whole file the game writes.
    std::string save_settings();

    const ScreenPictures& pictures();

    const XServer& x_server() const { return *x_; }

private:
    void xdotool(const std::vector<std::string>& arguments);

    std::unique_ptr<XServer> x_;
    fs::path temp_root_;
    fs::path folder_;
    std::unique_ptr<Process> game_;
    unsigned long window_ = 0;
    std::unique_ptr<ScreenPictures> pictures_;
    // The options line that the game highlights, as this fixture moved it.
    int option_highlighted_ = 0;
};
