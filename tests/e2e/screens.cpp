#include "e2e/screens.h"

#include <sstream>
#include <stdexcept>
#include <utility>

namespace {

constexpr int MAIN_ENTRY_X = 265;
constexpr int MAIN_ENTRY_TOP_Y = 240;
constexpr int MAIN_ENTRY_SPACING = 20;
constexpr int MAIN_ENTRY_WIDTH = 120;

constexpr int OPTION_X = 40;
constexpr int OPTION_WIDTH = 360;
constexpr int OPTION_SPACING[OPTION_ENTRIES] = {300, 285, 270, 255, 240, 225, 210, 195, 180, 165,
                                                150, 135, 120, 105, 90, 75, 60, 30, 15, 0};
constexpr int OPTION_ORIGIN_Y = 120;
// Lines are 15 pixels apart and their text is taller: only the middle band of each is read,
// clear of its neighbours' ascenders and descenders.
constexpr int OPTION_BAND_BOTTOM = 4;
constexpr int OPTION_BAND_HEIGHT = 10;

constexpr int LEGEND_X = 227;
constexpr int LEGEND_Y = 20;
constexpr int LEGEND_WIDTH = 10;
constexpr int LEGEND_HEIGHT = 16;

// Text and pieces cover part of every screen; the rest shows its picture unchanged.
constexpr double SCREEN_MATCH = 0.7;

double share_shown(const Bitmap& frame, const Picture& picture) {
    if (!picture.loaded() || picture.width() != frame.width() || picture.height() != frame.height()) return 0;
    long same = 0;
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x) same += frame.at_window(x, y) == picture.at(x, y);
    return double(same) / (double(frame.width()) * frame.height());
}

template <class AreaOf>
int the_one_highlighted(const Bitmap& frame, int entries, AreaOf area_of) {
    int found = -1;
    for (int entry = 0; entry < entries; ++entry) {
        if (!has_colour(frame, area_of(entry), MENU_SELECT_COLOUR)) continue;
        if (found >= 0) return -1;
        found = entry;
    }
    return found;
}

}  // namespace

bool has_colour(const Bitmap& frame, const Area& area, const Rgb& colour) {
    for (int y = area.y; y < area.y + area.height; ++y)
        for (int x = area.x; x < area.x + area.width; ++x)
            if (frame.at_game(x, y) == colour) return true;
    return false;
}

int pixels_differing(const Bitmap& frame, const Area& area, const Picture& picture) {
    int differing = 0;
    for (int y = area.y; y < area.y + area.height; ++y)
        for (int x = area.x; x < area.x + area.width; ++x) differing += frame.at_game(x, y) != picture.at_game(x, y);
    return differing;
}

Area main_entry(int entry) {
    return {MAIN_ENTRY_X, MAIN_ENTRY_TOP_Y - MAIN_ENTRY_SPACING * entry, MAIN_ENTRY_WIDTH, MAIN_ENTRY_SPACING};
}

Area option_line(int option) {
    return {OPTION_X, OPTION_ORIGIN_Y + OPTION_SPACING[option] + OPTION_BAND_BOTTOM, OPTION_WIDTH,
            OPTION_BAND_HEIGHT};
}

Area legend_label(int column) { return {LEGEND_X + CELL * column, LEGEND_Y, LEGEND_WIDTH, LEGEND_HEIGHT}; }

Area field_cell(int column, int row, int size) {
    return {FIELD_X + size * column, FIELD_Y + size * row, size, size};
}

ScreenPictures::ScreenPictures(const std::filesystem::path& img)
    : menu_((img / "menuscreen.png").string()),
      options_((img / "optionsscreen.png").string()),
      credits_((img / "creditsscreen.png").string()),
      backdrop_((img / "backdrop.png").string()),
      backdrop_big_((img / "backdropbig.png").string()),
      cells_((img / "cellsheet.png").string()),
      big_cells_((img / "cellsheetbig.png").string()) {
    for (const Picture* picture : {&menu_, &options_, &credits_, &backdrop_, &backdrop_big_, &cells_, &big_cells_})
        if (!picture->loaded()) throw std::runtime_error("a picture is missing in " + img.string());
}

Screen ScreenPictures::screen_of(const Bitmap& frame) const {
    const std::pair<Screen, const Picture*> candidates[] = {
        {Screen::MAIN_MENU, &menu_}, {Screen::OPTIONS, &options_},   {Screen::CREDITS, &credits_},
        {Screen::GAME, &backdrop_},  {Screen::GAME, &backdrop_big_}};
    Screen best = Screen::UNKNOWN;
    double best_share = SCREEN_MATCH;
    for (const auto& [screen, picture] : candidates) {
        const double share = share_shown(frame, *picture);
        if (share > best_share) {
            best = screen;
            best_share = share;
        }
    }
    return best;
}

Rgb ScreenPictures::tile(int k, int x, int y, bool big) const {
    const int size = big ? BIG_CELL : CELL;
    return (big ? big_cells_ : cells_).at_game(k * size + x, y);
}

int highlighted_main_entry(const Bitmap& frame) { return the_one_highlighted(frame, MAIN_ENTRIES, main_entry); }

int highlighted_option(const Bitmap& frame) { return the_one_highlighted(frame, OPTION_ENTRIES, option_line); }

std::string describe(const Bitmap& frame, const ScreenPictures& pictures) {
    const char* const names[] = {"the main menu", "the options", "the credits", "a game", "no known screen"};
    std::ostringstream text;
    text << names[int(pictures.screen_of(frame))] << ", main menu entry " << highlighted_main_entry(frame)
         << " and options line " << highlighted_option(frame) << " highlighted";
    return text.str();
}
