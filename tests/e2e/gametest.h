// GameTest: the fixture of the end-to-end tests: a private X server, a fresh copy of the
// built game in a temporary folder, the running game, and the keyboard, files and pictures.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "e2e/bitmap.h"
#include "e2e/process.h"
#include "e2e/xserver.h"

namespace fs = std::filesystem;

// Generous bounds for a loaded machine; every wait polls and ends as soon as it can.
constexpr Milliseconds WINDOW_TIMEOUT(15000);
constexpr Milliseconds EXIT_TIMEOUT(5000);
constexpr Milliseconds FILE_TIMEOUT(5000);

constexpr const char* WINDOW_TITLE = "Tapfall v1.07";

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

    std::optional<int> wait_for_exit(Milliseconds timeout = EXIT_TIMEOUT);
    bool game_running();
    std::string error_output() const;

    // Polls until the file exists in the game's folder (or the path given is absolute).
    bool wait_for_file(const fs::path& name, Milliseconds timeout = FILE_TIMEOUT) const;
    std::vector<fs::path> bmp_files() const;
    // Polls until a new BMP (not among `before`) appears and has been written completely.
    std::optional<fs::path> wait_for_new_bmp(const std::vector<fs::path>& before,
                                             Milliseconds timeout = FILE_TIMEOUT) const;

    const XServer& x_server() const { return *x_; }

private:
    void xdotool(const std::vector<std::string>& arguments);

    std::unique_ptr<XServer> x_;
    fs::path temp_root_;
    fs::path folder_;
    std::unique_ptr<Process> game_;
    unsigned long window_ = 0;
};
