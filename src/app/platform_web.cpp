#include <emscripten.h>

#include "app/platform.h"

// Emscripten's SDL names the key table as SDL 2 does.
const Uint8* keyboard_state(int* size) { return SDL_GetKeyboardState(size); }

// A page cannot lose its canvas, and its key presses are never turned off.
void watch_the_window() {}
void enable_key_presses() {}
KeyCode key_code_of(const SDL_keysym& key) { return key.sym == SDLK_F2 ? KEY_F2 : key.sym; }

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
    Asyncify.handleSleep(function(wake_up) {
        var woken = false;
        function wake() { if (!woken) { woken = true; wake_up(); } }
        requestAnimationFrame(wake);
        setTimeout(wake, 50);
    });
});
// clang-format on

void pause_for(uint32_t) { next_animation_frame(); }
