#include <emscripten.h>

#include "app/platform.h"

// Emscripten's SDL names the key table as SDL 2 does.
const Uint8* keyboard_state(int* size) { return SDL_GetKeyboardState(size); }

// A page cannot lose its canvas, and its key presses are never turned off.
void watch_the_window() {}
void enable_key_presses() {}
// WebGL reads the frame being drawn, which is the only one it has.
void read_the_back_buffer() {}

// Asyncify keeps the game's loop as it is, suspended here until the page's next frame.
// clang-format off
EM_JS(void, next_animation_frame, (), {
    Asyncify.handleSleep(function(wake_up) { requestAnimationFrame(function() { wake_up(); }); });
});
// clang-format on

void pause_for(uint32_t) { next_animation_frame(); }
