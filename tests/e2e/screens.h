// Where the game's screens draw what, in which colours, and the readings the tests take of a
// frame: which screen it is, which menu entry is highlighted, what colours an area holds.
#pragma once

#include <filesystem>
#include <string>

#include "e2e/bitmap.h"
#include "e2e/picture.h"

// A rectangle in game coordinates: (x, y) is its bottom-left corner, y grows upward.
struct Area {
    int x, y, width, height;
};

inline int pixel_count(const Area& area) { return area.width * area.height; }
bool has_colour(const Bitmap& frame, const Area& area, const Rgb& colour);
// How many pixels of the area differ from the picture at the same place on the screen.
int pixels_differing(const Bitmap& frame, const Area& area, const Picture& picture);

// Main menu entries and options lines in index order.
constexpr int MAIN_START_GAME = 0;
constexpr int MAIN_OPTIONS = 1;
constexpr int MAIN_CREDITS = 2;
constexpr int MAIN_QUIT = 3;
constexpr int MAIN_ENTRIES = 4;

constexpr int OPTION_GAME_MODE = 0;
constexpr int OPTION_BIG_MODE = 1;
constexpr int OPTION_RANDOMIZER = 2;
constexpr int OPTION_CONTROL_SCHEME = 4;
constexpr int OPTION_HOLD = 9;
constexpr int OPTION_PIECE_PREVIEWS = 12;
constexpr int OPTION_RESTORE_DEFAULTS = 17;
constexpr int OPTION_SAVE_SETTINGS = 18;
constexpr int OPTION_RETURN = 19;
constexpr int OPTION_ENTRIES = 20;

constexpr Rgb MENU_SELECT_COLOUR{255, 255, 0};
// Lines that the Bastet randomizer locks, highlighted.
constexpr Rgb MENU_LOCKED_SELECT_COLOUR{255, 0, 0};
constexpr Rgb RESULT_COLOUR{64, 255, 192};
constexpr Rgb FINISHED_COLOUR{0, 128, 255};
constexpr Rgb KEY_PRESSED_COLOUR{255, 128, 128};
constexpr Rgb KEY_LEGEND_COLOUR{255, 255, 255};

// The playfield's bottom-left corner and its cells.
constexpr int FIELD_X = 220;
constexpr int FIELD_Y = 40;
constexpr int FIELD_HEIGHT = 400;
constexpr int CELL = 20;
constexpr int BIG_CELL = 40;

// Statistics are ten characters of font12.
constexpr Area TIMER_TEXT{125, 245, 80, 16};
constexpr Area LINES_TEXT{125, 165, 80, 16};
// The countdown's "%10.3f" in font20.
constexpr Area COUNTDOWN_TEXT{232, 220, 130, 26};

// Where a main menu entry's text and the middle band of an options line's text lie.
Area main_entry(int entry);
Area option_line(int option);
// The key legend label of a playfield column, in font12 below the field.
Area legend_label(int column);
// A normal-size or big cell of the playfield.
Area field_cell(int column, int row, int size = CELL);

enum class Screen { MAIN_MENU, OPTIONS, CREDITS, GAME, UNKNOWN };

// The game's pictures, read once from the copy's img folder; throws if one is missing.
class ScreenPictures {
public:
    explicit ScreenPictures(const std::filesystem::path& img);

    // The screen whose picture most of the frame shows (either backdrop for a game).
    Screen screen_of(const Bitmap& frame) const;
    const Picture& backdrop(bool big) const { return big ? backdrop_big_ : backdrop_; }
    // Tile k of the cell sheets, sampled at (x, y) from its bottom-left corner.
    Rgb tile(int k, int x, int y, bool big = false) const;

private:
    Picture menu_, options_, credits_, backdrop_, backdrop_big_, cells_, big_cells_;
};

// The main menu entry or options line drawn in the highlight colour; -1 for none or several.
int highlighted_main_entry(const Bitmap& frame);
int highlighted_option(const Bitmap& frame);
// What a frame shows, in words, for the message of a test that waited in vain.
std::string describe(const Bitmap& frame, const ScreenPictures& pictures);
