#include "app/menuscreens.h"

#include <GL/gl.h>
#include <SDL.h>

#include "app/startup.h"
#include "app/menutext.h"
#include "model/gamestate.h"
#include "render/resources.h"
#include "render/text.h"

namespace {

constexpr float MENU_MAIN_ORIGIN_X = 265.0f;
constexpr float MENU_MAIN_ORIGIN_Y = 180.0f;
constexpr float MENU_MAIN_SPACING = 20.0f;
constexpr float MENU_OPTIONS_ORIGIN_X = 40.0f;
constexpr float OPTIONS_ORIGIN_Y = 120.0f;
// Entries step down by 15; the three actions at the bottom stand apart from the options.
constexpr int OPTIONS_SPACING[OPTIONS_ENTRIES] = {300, 285, 270, 255, 240, 225, 210, 195, 180, 165,
                                                  150, 135, 120, 105, 90, 75, 60, 30, 15, 0};
constexpr float OPTIONS_INFO_ORIGIN_X = 40.0f;
constexpr float OPTIONS_INFO_TOP_Y = 85.0f;
constexpr float OPTIONS_INFO_SPACING = 15.0f;

constexpr SDL_Color MENU_COLOR = {255, 255, 255, 0};
constexpr SDL_Color MENU_COLOR_SELECT = {255, 255, 0, 0};
constexpr SDL_Color MENU_COLOR_LOCKED = {128, 128, 128, 0};
constexpr SDL_Color MENU_COLOR_LOCKED_SELECT = {255, 0, 0, 0};
constexpr SDL_Color INFO_COLOR = {255, 192, 0, 0};
constexpr SDL_Color VERSION_COLOR = {255, 255, 255, 0};

const char* const MAIN_MENU_LABELS[MAIN_MENU_ENTRIES] = {"Start Game", "Options", "Credits", "Quit"};

float option_y(int index) { return OPTIONS_SPACING[index] + OPTIONS_ORIGIN_Y; }

}  // namespace

void render_menu(MenuState menu, int selection, GameState& state, Resources& resources) {
    glClear(GL_COLOR_BUFFER_BIT);
    switch (menu) {
        case MENU_STATE_MAIN: render_menu_main(selection, state, resources); break;
        case MENU_STATE_OPTIONS: render_menu_options(selection, state, resources); break;
        case MENU_STATE_CREDITS: render_credits(resources); break;
    }
    render_text(resources.font12, VERSION_COLOR, 0, 0,
                std::string("Tapfall v") + TAPFALL_VERSION + " by the Tapfall team");
    SDL_GL_SwapBuffers();
}

void render_menu_main(int& selection, GameState&, Resources& resources) {
    resources.menuScreen.draw(0, 0);
    for (int entry = 0; entry < MAIN_MENU_ENTRIES; ++entry) {
        const float y = MENU_MAIN_ORIGIN_Y + MENU_MAIN_SPACING * (MAIN_MENU_ENTRIES - 1 - entry);
        render_text(resources.font16, entry == selection ? MENU_COLOR_SELECT : MENU_COLOR, MENU_MAIN_ORIGIN_X, y,
                    MAIN_MENU_LABELS[entry]);
    }
}

void render_menu_options(int selection, GameState& state, Resources& resources) {
    resources.optionsScreen.draw(0, 0);
    for (int index = 0; index < OPTIONS_ENTRIES; ++index) {
        if (option_locked(index, state)) {
            const SDL_Color& color = index == selection ? MENU_COLOR_LOCKED_SELECT : MENU_COLOR_LOCKED;
            render_text(resources.font14, color, MENU_OPTIONS_ORIGIN_X, option_y(index), option_line(index, state));
        } else {
            render_choice(index, selection, option_line(index, state), resources);
        }
    }
    render_menu_options_info(selection, state, resources);
}

void render_menu_options_info(int selection, GameState& state, Resources& resources) {
    const auto lines = option_info(selection, state);
    for (size_t i = 0; i < lines.size(); ++i)
        render_text(resources.font10, INFO_COLOR, OPTIONS_INFO_ORIGIN_X, OPTIONS_INFO_TOP_Y - OPTIONS_INFO_SPACING * i,
                    lines[i]);
}

void render_choice(int index, int selection, std::string text, Resources& resources) {
    render_text(resources.font14, index == selection ? MENU_COLOR_SELECT : MENU_COLOR, MENU_OPTIONS_ORIGIN_X,
                option_y(index), text);
}

void render_credits(Resources& resources) { resources.creditsScreen.draw(0, 0); }
