#include "app/menu.h"

#include <SDL.h>

#include <cstdio>

#include "app/game_loop.h"
#include "app/platform.h"
#include "app/sound_board.h"
#include "model/clock.h"
#include "persist/player_folder.h"
#include "render/screen.h"

namespace {

constexpr uint32_t QUIT_WAIT_MS = 750;

bool quit(Menu& menu) {
    menu.sounds.push_back({Sound::MenuQuit});
    return false;
}

void back_to_main(Menu& menu, int highlighted) {
    menu.sounds.push_back({Sound::MenuCancel});
    menu.screen = MenuScreen::Main;
    menu.selection = highlighted;
}

bool is_arrow(KeyCode key) { return key == SDLK_UP || key == SDLK_DOWN; }

// Up and Down move the highlight and wrap at both ends.
void move_highlight(KeyCode key, Menu& menu, int entries) {
    menu.selection = (menu.selection + (key == SDLK_UP ? -1 : 1) + entries) % entries;
    menu.sounds.push_back({Sound::MenuChoose});
}

bool main_menu_key(KeyCode key, Menu& menu, Session& session, const PlayGame& play_game) {
    if (is_arrow(key)) {
        move_highlight(key, menu, MAIN_MENU_ENTRIES);
        return true;
    }
    if (key == KEY_ESCAPE) return quit(menu);
    if (key != KEY_RETURN) return true;
    switch (menu.selection) {
        case MAIN_START_GAME:
            menu.sounds.push_back({Sound::GameStart});
            session.reset();
            return play_game(session) || quit(menu);
        case MAIN_OPTIONS:
            menu.sounds.push_back({Sound::MenuSelect});
            menu.screen = MenuScreen::Options;
            menu.selection = 0;
            return true;
        case MAIN_CREDITS:
            menu.sounds.push_back({Sound::MenuSelect});
            menu.screen = MenuScreen::Credits;
            return true;
        default: return quit(menu);
    }
}

void choose_option(Menu& menu, Session& session) {
    const Option& chosen = OPTIONS[menu.selection];
    switch (chosen.action) {
        case Action::RestoreDefaults:
            session.restore_defaults();
            menu.sounds.push_back({Sound::MenuSelect});
            return;
        case Action::SaveSettings: {
            // A save that failed is refused like a locked option, and standard error says why.
            std::string failure;
            const bool saved = save_player_settings(session.settings, &failure);
            if (!saved) std::fprintf(stderr, "tapfall: %s\n", failure.c_str());
            menu.sounds.push_back({saved ? Sound::MenuSelect : Sound::MenuCancel});
            return;
        }
        case Action::ReturnToMainMenu: return back_to_main(menu, MAIN_OPTIONS);
        case Action::None: break;
    }
    if (option_locked(chosen, session.settings)) {
        // Refused, and held at the value the lock gives it.
        menu.sounds.push_back({Sound::MenuCancel});
        apply_randomizer_limits(session.settings);
        return;
    }
    // Turning the sound on is confirmed by the sound itself; turning it off is silent, which
    // the sound setting sees to when the sound is played.
    step_option(chosen, session.settings, menu.memory);
    menu.sounds.push_back({Sound::MenuSelect});
}

}  // namespace

bool handle_menu_key(KeyCode key, Menu& menu, Session& session, const PlayGame& play_game) {
    switch (menu.screen) {
        case MenuScreen::Main: return main_menu_key(key, menu, session, play_game);
        case MenuScreen::Options:
            if (is_arrow(key)) move_highlight(key, menu, OPTION_COUNT);
            if (key == KEY_ESCAPE) back_to_main(menu, MAIN_OPTIONS);
            if (key == KEY_RETURN) choose_option(menu, session);
            return true;
        case MenuScreen::Credits:
            if (key == KEY_RETURN) {
                menu.sounds.push_back({Sound::MenuSelect});
                menu.screen = MenuScreen::Main;
                menu.selection = MAIN_CREDITS;
            } else if (key == KEY_ESCAPE) {
                back_to_main(menu, MAIN_CREDITS);
            }
            return true;
    }
    return true;
}

void main_menu(Session& session, Screen& screen, const SoundBoard& sounds) {
    Menu menu;
    const auto play_sounds = [&] {
        sounds.play(menu.sounds, session.settings);
        menu.sounds.clear();
    };
    const PlayGame play_game = [&](Session& s) {
        play_sounds();
        return main_loop(s, screen, sounds);
    };
    // The quit sound is heard out before the window closes.
    const auto leave = [&] {
        const bool heard = session.settings.sound;
        play_sounds();
        if (!heard) return;
        const uint32_t start = ticks_now();
        while (ticks_now() - start < QUIT_WAIT_MS) pause_for(1);
    };
    for (;;) {
        const uint32_t frame_start = ticks_now();
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            if (event.type == SDL_KEYDOWN && !handle_menu_key(key_code_of(event.key.keysym), menu, session, play_game))
                return leave();
            if (event.type == SDL_QUIT) {
                quit(menu);
                return leave();
            }
            if (event.type == SDL_VIDEOEXPOSE) screen.redraw_next();
        }
        play_sounds();
        if (screen.draw(menu_view(menu.screen, menu.selection, session.settings))) screen.show();
        pace_frame(frame_start, pause_for);
    }
}
