#include <SDL_opengl.h>
// Xlib's own KeyCode would clash with the game's.
#define KeyCode XKeyCode
#include <X11/Xlib.h>
#undef KeyCode

#include "app/fatal.h"
#include "app/platform.h"
#include "render/asset_files.h"

namespace {

// Xlib's own handlers call exit(), which runs the libraries' shutdown while SDL's threads are
// still running and can crash; losing the window ends the game like any other fatal failure.
int on_x_error(Display*, XErrorEvent*) { fatal_error("Lost the game's window"); }
int on_x_connection_lost(Display*) { fatal_error("Lost the connection to the display"); }

}  // namespace

const Uint8* keyboard_state(int* size) { return SDL_GetKeyState(size); }

void show_window_icon() {
    // The icon is a nicety: without it the window still opens.
    SDL_Surface* icon = SDL_LoadBMP_RW(SDL_RWFromFile(asset_files::WINDOW_ICON, "rb"), 1);
    if (icon) {
        SDL_WM_SetIcon(icon, nullptr);
        SDL_FreeSurface(icon);
    }
    SDL_ClearError();
}

void watch_the_window() {
    // Set over the handlers SDL installed while making the window.
    XSetErrorHandler(on_x_error);
    XSetIOErrorHandler(on_x_connection_lost);
}

void enable_key_presses() { SDL_EventState(SDL_KEYDOWN, SDL_ENABLE); }

void read_the_back_buffer() { glReadBuffer(GL_BACK); }

void pause_for(uint32_t ms) { SDL_Delay(ms); }

KeyCode key_code_of(const SDL_keysym& key) { return key.sym; }

int program_end(int status) { return status; }
