// The end-to-end fixture: a private Xvfb, a fresh copy of the built game in a temporary folder,
// the running game, its window, keys typed through xdotool, and what the window shows.
#pragma once

#include <gtest/gtest.h>
#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "render/asset_files.h"
#include "render/options_layout.h"

namespace fs = std::filesystem;
using Milliseconds = std::chrono::milliseconds;
// Variables set over the game's environment; nullopt removes one.
using Environment = std::map<std::string, std::optional<std::string>>;

using Rgb = uint32_t;  // 0xRRGGBB
constexpr Rgb WHITE = 0xFFFFFF, SELECTED = 0xFFFF00, LOCKED = 0x808080, LOCKED_SELECTED = 0xFF0000, LEGEND = WHITE,
              PRESSED = 0xFF8080, RESULT = 0x40FFC0, FINISHED = 0x0080FF, INFO = 0xFFC000;

// Placed as the game places things: (x, y) is the bottom-left corner, rows count upward.
struct Area {
    int x, y, width, height;
};
inline Area main_entry(int entry) {
    return {layout::MAIN_MENU_X, layout::MAIN_MENU_Y + layout::MAIN_MENU_SPACING * (3 - entry), 120, 20};
}
// The middle band of an options line, clear of its neighbours' ascenders and descenders.
inline Area option_line(int line) {
    return {layout::OPTIONS_X, layout::OPTIONS_Y + layout::option_rise(line) + 4, 360, 10};
}
inline Area cell(int column, int row, int size = layout::CELL) {
    return {layout::FIELD_X + size * column, layout::FIELD_Y + size * row, size, size};
}
inline Area legend(int column) {
    return {layout::FIELD_X + layout::LEGEND_INSET + layout::CELL * column, layout::LEGEND_Y, 10, 16};
}

// A window capture, a saved screenshot or one of the game's pictures.
struct Image {
    int width = 0, height = 0;
    std::vector<Rgb> pixels;  // top row first
    Rgb at(int x, int y) const { return pixels[size_t((height - 1 - y) * width + x)]; }
};
// nullopt for a missing or incomplete file.
std::optional<Image> load_image(const fs::path& path);
bool has_colour(const Image& image, const Area& area, Rgb colour);
// Pixels of the area that differ from `other` at (x, y) onward, or at the same place.
int differing(const Image& image, const Area& area, const Image& other, int x, int y);
inline int differing(const Image& image, const Area& area, const Image& other) {
    return differing(image, area, other, area.x, area.y);
}
// The width and height, as "WxH", of what the area shows in the colour: a text's size in its font.
std::string ink_size(const Image& image, const Area& area, Rgb colour);
// Polls until `done`; false when the time runs out first.
bool eventually(const std::function<bool()>& done, Milliseconds timeout = Milliseconds(5000));
std::string read_file(const fs::path& path);

class GameTest : public ::testing::Test {
protected:
    GameTest();
    ~GameTest() override;

    // The installed game the tests run instead of build/bin: $TAPFALL_E2E_GAME, as the package's
    // own test sets it, or "" for the built game.
    static std::string installed_game();
    fs::path folder;         // the copy of build/bin (or of the installed game's folder), in a temporary folder
    bool as_player = false;  // start the game with a player's permissions, even as root
    void write_settings(const std::string& text) const { std::ofstream(folder / "TapFall.ini") << text; }
    // Starts the program (empty: the copy by its absolute path, or the installed game with the
    // copy as its player's folder) from the copy's parent folder.
    void start(const std::string& program = "", const Environment& environment = {},
               const std::vector<std::string>& arguments = {});
    std::optional<int> wait_for_exit(Milliseconds timeout = Milliseconds(5000));
    std::string error_output() const { return read_file(temp_ / "stderr.txt"); }

    // The window titled "Tapfall v" + version; 0 (and a failure) when none comes.
    unsigned long window();
    bool has_icon();
    std::string window_class();  // as a dock matches it with a desktop entry
    void close_window();         // as a window manager's close button does
    void destroy_window();       // as any other X client can
    void blacken();              // as a window laid over it and taken away leaves it
    // "key", "keydown" or "keyup", to the game's window.
    void xdotool(const std::string& command, const std::vector<std::string>& keys);
    void type(const std::vector<std::string>& keys) { xdotool("key", keys); }

    std::optional<Image> capture();
    // The first frame that `shows`; fails the test when none does in time.
    std::optional<Image> wait_for(const std::function<bool(const Image&)>& shows,
                                  Milliseconds timeout = Milliseconds(10000));
    const Image& picture(const std::string& file);  // as asset_files names it
    // Text and pieces cover part of every screen; the rest shows its picture unchanged.
    bool shows(const Image& frame, const std::string& picture);
    bool wait_for_menu(int entry) { return wait_for_highlight(asset_files::MENU_SCREEN, main_entry, 4, entry); }
    bool wait_for_options(int line) {
        return wait_for_highlight(asset_files::OPTIONS_SCREEN, option_line, OPTION_COUNT, line);
    }
    bool start_game();  // true once the countdown is over
    // Starts the program with these settings and a game in it: the first frame after the
    // countdown, or nullopt (and a failure).
    std::optional<Image> play_with(const std::string& settings);
    // Takes a BMP away from the game's folder once it is complete: its name and picture.
    std::optional<std::pair<std::string, Image>> take_bmp(Milliseconds timeout = Milliseconds(5000));

private:
    bool wait_for_highlight(const std::string& screen, Area (*line)(int), int lines, int highlighted);
    fs::path temp_;
    std::string display_;
    struct _XDisplay* x_ = nullptr;
    pid_t xvfb_ = -1, game_ = -1;
    std::optional<int> status_;
    unsigned long window_ = 0;
    std::map<std::string, Image> pictures_;
};
