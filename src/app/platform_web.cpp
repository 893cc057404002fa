#include <emscripten.h>

#include <algorithm>

#include "app/platform.h"

namespace {

// Keys that Emscripten's SDL does not number as the desktop does: F2, which it numbers as SDL 2
// does, and three that Chromium reports by its own key codes and Emscripten passes on (Firefox
// reports them in ASCII).
struct RenamedKey {
    int browser;
    KeyCode game;
};
constexpr RenamedKey RENAMED_KEYS[] = {{SDLK_F2, KEY_F2}, {186, ';'}, {187, '='}, {189, '-'}};

}  // namespace

const Uint8* keyboard_state(int* size) {
    static Uint8 state[KEY_LAST + 1];
    int browser_size = 0;
    const Uint8* browser = SDL_GetKeyboardState(&browser_size);
    std::copy(browser, browser + std::min(browser_size, KEY_LAST + 1), state);
    for (const RenamedKey& key : RENAMED_KEYS)
        if (key.browser < browser_size) state[key.game] |= browser[key.browser];
    *size = KEY_LAST + 1;
    return state;
}

KeyCode key_code_of(const SDL_keysym& key) {
    for (const RenamedKey& renamed : RENAMED_KEYS)
        if (key.sym == renamed.browser) return renamed.game;
    return key.sym;
}

void show_window_icon() {}
// A page cannot lose its canvas, and its key presses are never turned off.
void watch_the_window() {}
void enable_key_presses() {}

int program_end(int status) {
    emscripten_force_exit(status);
    return status;
}

// WebGL reads the frame being drawn, which is the only one it has.
void read_the_back_buffer() {}

// Asyncify keeps the game's loop as it is, suspended here until the page's next frame, or a
// twentieth of a second at most where the browser holds its frames back (a page that has not
// changed, in some browsers), so that keys are still read.
// clang-format off
EM_JS(void, next_animation_frame, (), {
    // The page learns when the game's first frame stands on the canvas.
    if (Module["onFirstFrame"]) { Module["onFirstFrame"](); Module["onFirstFrame"] = null; }
    Asyncify.handleSleep(function(wake_up) {
        var woken = false;
        function wake() { if (!woken) { woken = true; wake_up(); } }
        requestAnimationFrame(wake);
        setTimeout(wake, 50);
    });
});
// clang-format on

void pause_for(uint32_t) { next_animation_frame(); }
