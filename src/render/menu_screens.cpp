#include "render/menu_screens.h"

#include <string>

#include "options/options.h"
#include "render/options_layout.h"
#include "render/version.h"

namespace {

constexpr SDL_Color MENU_COLOR = {255, 255, 255, 0};
constexpr SDL_Color MENU_SELECT_COLOR = {255, 255, 0, 0};
constexpr SDL_Color MENU_LOCKED_COLOR = {128, 128, 128, 0};
constexpr SDL_Color MENU_LOCKED_SELECT_COLOR = {255, 0, 0, 0};
constexpr SDL_Color INFO_COLOR = {255, 192, 0, 0};
constexpr SDL_Color VERSION_COLOR = {255, 255, 255, 0};

const char* const MAIN_MENU_LABELS[MAIN_MENU_ENTRIES] = {"Start Game", "Options", "Credits", "Quit"};

void draw_main_menu(int selection, const Resources& resources) {
    resources.menu_screen.draw(0, 0);
    // The last entry stands lowest.
    int entry = 0;
    for (const char* label : MAIN_MENU_LABELS) {
        const float y = layout::MAIN_MENU_Y + layout::MAIN_MENU_SPACING * (MAIN_MENU_ENTRIES - 1 - entry);
        resources.text.draw(resources.font16.get(), entry++ == selection ? MENU_SELECT_COLOR : MENU_COLOR,
                            layout::MAIN_MENU_X, y, label);
    }
}

void draw_options(int selection, const Settings& settings, const Resources& resources) {
    resources.options_screen.draw(0, 0);
    for (int index = 0; index < OPTION_COUNT; ++index) {
        const bool locked = option_locked(OPTIONS[index], settings);
        const bool selected = index == selection;
        const SDL_Color& color = locked ? (selected ? MENU_LOCKED_SELECT_COLOR : MENU_LOCKED_COLOR)
                                        : (selected ? MENU_SELECT_COLOR : MENU_COLOR);
        resources.text.draw(resources.font14.get(), color, layout::OPTIONS_X, layout::OPTIONS_Y + layout::option_rise(index),
                            option_line(OPTIONS[index], settings));
    }
    if (selection < 0 || selection >= OPTION_COUNT) return;
    const InfoLines info = option_info(OPTIONS[selection], settings);
    for (size_t line = 0; line < info.size(); ++line)
        if (info[line])
            resources.text.draw(resources.font10.get(), INFO_COLOR, layout::OPTIONS_INFO_X,
                                layout::OPTIONS_INFO_TOP_Y - layout::OPTIONS_INFO_SPACING * float(line), info[line]);
}

}  // namespace

void draw_menu(MenuScreen screen, int selection, const Settings& settings, const Resources& resources) {
    // Each screen's picture covers the whole window: nothing is cleared first.
    switch (screen) {
        case MenuScreen::Main: draw_main_menu(selection, resources); break;
        case MenuScreen::Options: draw_options(selection, settings, resources); break;
        case MenuScreen::Credits: resources.credits_screen.draw(0, 0); break;
    }
    resources.text.draw(resources.font12.get(), VERSION_COLOR, layout::VERSION_X, layout::VERSION_Y,
                        std::string(VERSION_CAPTION) + " by the Tapfall team");
    resources.text.end_frame();
}
