// Platform: what the desktop and the browser do differently, behind one header. The desktop
// build links platform_desktop.cpp (SDL on X11), the browser build platform_web.cpp
// (Emscripten's SDL layer over a canvas).
#pragma once

#include <SDL.h>

#include <cstdint>

#include "model/key_bindings.h"

// Which keys are down now, indexed by key code; `size` gets the table's length.
const Uint8* keyboard_state(int* size);
// Before the window opens: its icon, which a page does not have.
void show_window_icon();
// Called once the window exists: losing it, or the display, ends the game through fatal_error.
void watch_the_window();
// Whatever disabled key presses before a game, play needs them.
void enable_key_presses();
// Points glReadPixels at the frame drawn and not yet shown.
void read_the_back_buffer();
// Gives the time until the next frame away: on the desktop by sleeping `ms`, in a browser by
// handing the page back until it shows its next frame, which paces frames as the screen does.
void pause_for(uint32_t ms);
// The game's code for a key pressed, as the desktop's SDL numbers it; the key table above is
// indexed by the same codes.
KeyCode key_code_of(const SDL_keysym& key);
// The status the program ends with, once the game is over: a page is told that the game has
// ended, which the end of main alone does not do where the loop was suspended on the way.
int program_end(int status);
