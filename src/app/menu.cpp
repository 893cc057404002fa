#include "app/menu.h"

#include <SDL.h>

#include "app/mainloop.h"
#include "app/menuscreens.h"
#include "model/clock.h"
#include "model/gamestate.h"
#include "model/sound.h"
#include "persist/settings.h"
#include "render/resources.h"

bool bastetHasOldSettings = false;
int bastetOldPiecePreviews = 0;
bool bastetOldHoldAllowed = false;

namespace {

constexpr KeyCode KEY_UP = SDLK_UP;
constexpr KeyCode KEY_DOWN = SDLK_DOWN;
constexpr uint32_t QUIT_WAIT_MS = 750;

bool bastet_chosen(const GameState& state) { return state.randomizer->get_name() == BASTET_RANDOMIZER_NAME; }

// The name after `current` in a cycle of names; empty when `current` is none of them.
std::string next_in_cycle(const std::vector<std::string>& cycle, const std::string& current) {
    for (size_t i = 0; i < cycle.size(); ++i)
        if (cycle[i] == current) return cycle[(i + 1) % cycle.size()];
    return {};
}

void next_randomizer(GameState& state) {
    const std::string current = state.randomizer->get_name();
    const std::string next = next_in_cycle(randomizer_names(), current);
    if (next.empty()) return;
    state.randomizer = make_randomizer(next);
    if (next == BASTET_RANDOMIZER_NAME) {
        // The adversary judges the field the player faces, so it is played without previews or hold.
        bastetHasOldSettings = true;
        bastetOldPiecePreviews = state.piece_previews;
        bastetOldHoldAllowed = state.hold_allowed;
        state.piece_previews = 0;
        state.hold_allowed = false;
    } else if (current == BASTET_RANDOMIZER_NAME && bastetHasOldSettings) {
        state.piece_previews = bastetOldPiecePreviews;
        state.hold_allowed = bastetOldHoldAllowed;
    }
}

void next_placement_system(GameState& state) {
    const std::string next = next_in_cycle(piece_mask_type_names(), state.piece_mask_type->get_name());
    if (!next.empty()) state.piece_mask_type = make_piece_mask_type(next);
}

void next_input_scheme(GameState& state) {
    const std::string next = next_in_cycle(input_type_names(), state.input_type->get_name());
    if (!next.empty()) state.input_type = make_input_type(next);
}

void back_to_main(MenuState& menu, int& selection, int highlighted, GameState& state, Resources& resources) {
    if (state.sound) menu_cancel_sound(resources);
    menu = MENU_STATE_MAIN;
    selection = highlighted;
}

// A setting the Bastet rule locks: refused with the cancel sound, and held at its locked value.
template <class Change>
void change_unless_locked(GameState& state, Resources& resources, Change change, void (*lock)(GameState&)) {
    if (bastet_chosen(state)) {
        if (state.sound) menu_cancel_sound(resources);
        lock(state);
        return;
    }
    if (state.sound) menu_select_sound(resources);
    change(state);
}

void choose_option(MenuState& menu, int& selection, GameState& state, Resources& resources) {
    const auto select = [&] {
        if (state.sound) menu_select_sound(resources);
    };
    switch (selection) {
        case OPTION_GAME_MODE: select(); state.game_mode = (state.game_mode + 1) % 3; break;
        case OPTION_BIG_MODE: select(); state.big_mode = !state.big_mode; break;
        case OPTION_RANDOMIZER: select(); next_randomizer(state); break;
        case OPTION_PRACTICE_MODE: select(); state.practice_mode = !state.practice_mode; break;
        case OPTION_CONTROL_SCHEME: select(); next_input_scheme(state); break;
        case OPTION_PLACEMENT_SYSTEM: select(); next_placement_system(state); break;
        case OPTION_DEEP_DROP: select(); state.deep_drop = !state.deep_drop; break;
        case OPTION_INITIAL_ORIENTATION: select(); state.ars = !state.ars; break;
        case OPTION_COLUMN_CLAMPING: select(); state.column_clamp = !state.column_clamp; break;
        case OPTION_HOLD:
            change_unless_locked(state, resources, [](GameState& s) { s.hold_allowed = !s.hold_allowed; },
                                 [](GameState& s) { s.hold_allowed = false; });
            break;
        case OPTION_DOUBLE_HOLD: select(); state.double_hold = !state.double_hold; break;
        case OPTION_HOLD_ORIENTATION: select(); state.hold_orient = !state.hold_orient; break;
        case OPTION_PIECE_PREVIEWS:
            change_unless_locked(state, resources,
                                 [](GameState& s) { s.piece_previews = (s.piece_previews + 1) % (MAX_PIECE_PREVIEWS + 1); },
                                 [](GameState& s) { s.piece_previews = 0; });
            break;
        case OPTION_ROTATION_GUIDE: select(); state.rotation_guide = !state.rotation_guide; break;
        case OPTION_SOUND:
            // Turning the sound on is confirmed by the sound itself; turning it off is silent.
            state.sound = !state.sound;
            select();
            break;
        case OPTION_MUSIC_MODE: select(); state.music_mode = !state.music_mode; break;
        case OPTION_AUTO_SCREENSHOT: select(); state.auto_screenshot = !state.auto_screenshot; break;
        case OPTION_RESTORE_DEFAULTS: state.init(); select(); break;
        case OPTION_SAVE_SETTINGS: select(); export_settings(state); break;
        case OPTION_RETURN: back_to_main(menu, selection, MAIN_OPTIONS, state, resources); break;
        default: break;
    }
}

// Up and Down move the highlight and wrap at both ends.
void move_selection(int& selection, int step, int entries, GameState& state, Resources& resources) {
    selection = (selection + step + entries) % entries;
    if (state.sound) menu_choose_sound(resources);
}

bool quit(GameState& state, Resources& resources) {
    if (state.sound) menu_quit_sound(resources);
    return false;
}

bool handle_main_menu_key(KeyCode key, MenuState& menu, int& selection, GameState& state, Resources& resources) {
    if (key == KEY_UP || key == KEY_DOWN) {
        move_selection(selection, key == KEY_UP ? -1 : 1, MAIN_MENU_ENTRIES, state, resources);
        return true;
    }
    if (key == KEY_ESCAPE) return quit(state, resources);
    if (key != KEY_RETURN) return true;
    switch (selection) {
        case MAIN_START_GAME:
            if (state.sound) menu_start_game_sound(resources);
            state.reset();
            return main_loop(state, resources) || quit(state, resources);
        case MAIN_OPTIONS:
            if (state.sound) menu_select_sound(resources);
            menu = MENU_STATE_OPTIONS;
            selection = 0;
            return true;
        case MAIN_CREDITS:
            if (state.sound) menu_select_sound(resources);
            menu = MENU_STATE_CREDITS;
            return true;
        case MAIN_QUIT:
            return quit(state, resources);
        default:
            return true;
    }
}

}  // namespace

bool handle_key(KeyCode key, MenuState& menu, int& selection, GameState& state, Resources& resources) {
    switch (menu) {
        case MENU_STATE_MAIN:
            return handle_main_menu_key(key, menu, selection, state, resources);
        case MENU_STATE_OPTIONS:
            if (key == KEY_UP || key == KEY_DOWN)
                move_selection(selection, key == KEY_UP ? -1 : 1, OPTIONS_ENTRIES, state, resources);
            else if (key == KEY_ESCAPE)
                back_to_main(menu, selection, MAIN_OPTIONS, state, resources);
            else if (key == KEY_RETURN)
                choose_option(menu, selection, state, resources);
            return true;
        case MENU_STATE_CREDITS:
            if (key == KEY_RETURN) {
                if (state.sound) menu_select_sound(resources);
                menu = MENU_STATE_MAIN;
                selection = MAIN_CREDITS;
            } else if (key == KEY_ESCAPE) {
                back_to_main(menu, selection, MAIN_CREDITS, state, resources);
            }
            return true;
    }
    return true;
}

void main_menu(GameState& state, Resources& resources) {
    MenuState menu = MENU_STATE_MAIN;
    int selection = 0;
    for (;;) {
        const uint32_t frame_start = ticks_now();
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            if (event.type == SDL_KEYDOWN) {
                if (!handle_key(event.key.keysym.sym, menu, selection, state, resources)) return;
            } else if (event.type == SDL_QUIT) {
                quit(state, resources);
                return;
            }
        }
        render_menu(menu, selection, state, resources);
        pace_frame(frame_start);
    }
}

void menu_choose_sound(Resources& resources) { play_sound(resources.menuChooseSound); }
void menu_select_sound(Resources& resources) { play_sound(resources.menuSelectSound); }
void menu_cancel_sound(Resources& resources) { play_sound(resources.menuCancelSound); }
void menu_start_game_sound(Resources& resources) { play_sound(resources.menuGameStartSound); }

void menu_quit_sound(Resources& resources) {
    play_sound(resources.menuQuitSound);
    const uint32_t start = ticks_now();
    // Short sleeps instead of a busy spin: the wait is the same, the other core stays free.
    while (ticks_now() - start < QUIT_WAIT_MS) sleep_ms(1);
}
