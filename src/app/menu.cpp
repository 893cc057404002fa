#include "app/menu.h"

#include <SDL.h>

#include <cstdio>

#include "app/game_loop.h"
#include "app/sound_board.h"
#include "model/clock.h"
#include "persist/player_folder.h"
#include "render/screen.h"

namespace {

constexpr uint32_t QUIT_WAIT_MS = 750;

bool quit(Game& game) {
    game.play(Sound::MenuQuit);
    return false;
}

void back_to_main(Menu& menu, Game& game, int highlighted) {
    game.play(Sound::MenuCancel);
    menu.screen = MenuScreen::Main;
    menu.selection = highlighted;
}

bool is_arrow(KeyCode key) { return key == SDLK_UP || key == SDLK_DOWN; }

// Up and Down move the highlight and wrap at both ends.
void move_highlight(KeyCode key, Menu& menu, Game& game, int entries) {
    menu.selection = (menu.selection + (key == SDLK_UP ? -1 : 1) + entries) % entries;
    game.play(Sound::MenuChoose);
}

bool main_menu_key(KeyCode key, Menu& menu, Game& game, const PlayGame& play_game) {
    if (is_arrow(key)) {
        move_highlight(key, menu, game, MAIN_MENU_ENTRIES);
        return true;
    }
    if (key == KEY_ESCAPE) return quit(game);
    if (key != KEY_RETURN) return true;
    switch (menu.selection) {
        case MAIN_START_GAME:
            game.play(Sound::GameStart);
            game.reset();
            return play_game(game) || quit(game);
        case MAIN_OPTIONS:
            game.play(Sound::MenuSelect);
            menu.screen = MenuScreen::Options;
            menu.selection = 0;
            return true;
        case MAIN_CREDITS:
            game.play(Sound::MenuSelect);
            menu.screen = MenuScreen::Credits;
            return true;
        default:
            return quit(game);
    }
}

void choose_option(Menu& menu, Game& game) {
    const Option& chosen = option(menu.selection);
    switch (chosen.action) {
        case Action::RestoreDefaults:
            game.restore_defaults();
            game.play(Sound::MenuSelect);
            return;
        case Action::SaveSettings: {
            // A save that failed is refused like a locked option, and standard error says why.
            std::string failure;
            const bool saved = save_player_settings(game.settings, &failure);
            if (!saved) std::fprintf(stderr, "tapfall: %s\n", failure.c_str());
            game.play(saved ? Sound::MenuSelect : Sound::MenuCancel);
            return;
        }
        case Action::ReturnToMainMenu: return back_to_main(menu, game, MAIN_OPTIONS);
        case Action::None: break;
    }
    if (option_locked(chosen, game.settings)) {
        // Refused, and held at the value the lock gives it.
        game.play(Sound::MenuCancel);
        apply_randomizer_limits(game.settings);
        return;
    }
    // Turning the sound on is confirmed by the sound itself; turning it off is silent, which
    // the sound setting sees to when the sound is played.
    step_option(chosen, game.settings, menu.memory);
    game.play(Sound::MenuSelect);
}

}  // namespace

bool handle_menu_key(KeyCode key, Menu& menu, Game& game, const PlayGame& play_game) {
    switch (menu.screen) {
        case MenuScreen::Main: return main_menu_key(key, menu, game, play_game);
        case MenuScreen::Options:
            if (is_arrow(key)) move_highlight(key, menu, game, OPTION_COUNT);
            if (key == KEY_ESCAPE) back_to_main(menu, game, MAIN_OPTIONS);
            if (key == KEY_RETURN) choose_option(menu, game);
            return true;
        case MenuScreen::Credits:
            if (key == KEY_RETURN) {
                game.play(Sound::MenuSelect);
                menu.screen = MenuScreen::Main;
                menu.selection = MAIN_CREDITS;
            } else if (key == KEY_ESCAPE) {
                back_to_main(menu, game, MAIN_CREDITS);
            }
            return true;
    }
    return true;
}

void main_menu(Game& game, Screen& screen, const SoundBoard& sounds) {
    Menu menu;
    const PlayGame play_game = [&](Game& g) { return main_loop(g, screen, sounds); };
    // The quit sound is heard out before the window closes.
    const auto leave = [&] {
        const bool heard = game.settings.sound;
        sounds.play_pending(game);
        if (!heard) return;
        const uint32_t start = ticks_now();
        while (ticks_now() - start < QUIT_WAIT_MS) SDL_Delay(1);
    };
    for (;;) {
        const uint32_t frame_start = ticks_now();
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            if (event.type == SDL_KEYDOWN && !handle_menu_key(event.key.keysym.sym, menu, game, play_game))
                return leave();
            if (event.type == SDL_QUIT) {
                quit(game);
                return leave();
            }
            if (event.type == SDL_VIDEOEXPOSE) screen.redraw_next();
        }
        sounds.play_pending(game);
        if (screen.draw(menu_view(menu.screen, menu.selection, game.settings))) screen.show();
        pace_frame(frame_start, SDL_Delay);
    }
}
