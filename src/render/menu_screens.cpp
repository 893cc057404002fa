#include "render/menu_screens.h"

#include <string>

#include "options/options.h"
#include "render/options_layout.h"
#include "render/version.h"

namespace {

constexpr Colour MENU_COLOR = {255, 255, 255};
constexpr Colour MENU_SELECT_COLOR = {255, 255, 0};
constexpr Colour MENU_LOCKED_COLOR = {128, 128, 128};
constexpr Colour MENU_LOCKED_SELECT_COLOR = {255, 0, 0};
constexpr Colour INFO_COLOR = {255, 192, 0};
constexpr Colour VERSION_COLOR = {255, 255, 255};

const char* const MAIN_MENU_LABELS[MAIN_MENU_ENTRIES] = {"Start Game", "Options", "Credits", "Quit"};

void add_main_menu(std::vector<Layer>& still, int selection) {
    // The last entry stands lowest.
    int entry = 0;
    for (const char* label : MAIN_MENU_LABELS) {
        const int y = layout::MAIN_MENU_Y + layout::MAIN_MENU_SPACING * (MAIN_MENU_ENTRIES - 1 - entry);
        still.push_back(Text{FontSize::Points16, entry++ == selection ? MENU_SELECT_COLOR : MENU_COLOR,
                             layout::MAIN_MENU_X, y, label});
    }
}

void add_options(std::vector<Layer>& still, int selection, const Settings& settings) {
    for (int index = 0; index < OPTION_COUNT; ++index) {
        const bool locked = option_locked(OPTIONS[index], settings);
        const bool selected = index == selection;
        const Colour colour = locked ? (selected ? MENU_LOCKED_SELECT_COLOR : MENU_LOCKED_COLOR)
                                     : (selected ? MENU_SELECT_COLOR : MENU_COLOR);
        const int y = layout::OPTIONS_Y + layout::option_rise(index);
        still.push_back(Text{FontSize::Points14, colour, layout::OPTIONS_X, y, option_line(OPTIONS[index], settings)});
    }
    if (selection < 0 || selection >= OPTION_COUNT) return;
    const InfoLines info = option_info(OPTIONS[selection], settings);
    for (size_t line = 0; line < info.size(); ++line)
        if (info[line])
            still.push_back(Text{FontSize::Points10, INFO_COLOR, layout::OPTIONS_INFO_X,
                                 layout::OPTIONS_INFO_TOP_Y - layout::OPTIONS_INFO_SPACING * int(line), info[line]});
}

}  // namespace

ScreenView menu_view(MenuScreen screen, int selection, const Settings& settings) {
    // Each screen's picture covers the whole window: nothing is cleared first.
    ScreenView view;
    std::vector<Layer>& still = view.still;
    switch (screen) {
        case MenuScreen::Main:
            still.push_back(SpriteLayer{Picture::MenuScreen, {{0, 0}}});
            add_main_menu(still, selection);
            break;
        case MenuScreen::Options:
            still.push_back(SpriteLayer{Picture::OptionsScreen, {{0, 0}}});
            add_options(still, selection, settings);
            break;
        case MenuScreen::Credits: still.push_back(SpriteLayer{Picture::CreditsScreen, {{0, 0}}}); break;
    }
    still.push_back(Text{FontSize::Points12, VERSION_COLOR, layout::VERSION_X, layout::VERSION_Y,
                         std::string(VERSION_CAPTION) + " by the Tapfall team"});
    return view;
}
