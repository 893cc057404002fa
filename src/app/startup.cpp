#include "app/startup.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_opengl.h>
#include <SDL_ttf.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <ctime>

#include "app/fatal.h"
#include "app/platform.h"
#include "model/clock.h"
#include "render/layout.h"
#include "render/version.h"

namespace {

constexpr int AUDIO_RATE = 44100;
constexpr Uint16 AUDIO_FORMAT = AUDIO_S16LSB;
constexpr int AUDIO_CHANNELS = 2;
constexpr int AUDIO_CHUNK_SIZE = 1024;
constexpr int MIXER_CHANNELS = 16;
constexpr int WINDOW_BPP = 32;

std::string directory_of(const std::string& path) {
    std::string::size_type slash = path.rfind('/');
    if (slash == std::string::npos) return "";
    // "/tapfall" lives in the root directory, which the empty prefix would not name.
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Without a display SDL falls back to drawing off screen: a window nobody can see or close.
bool video_reaches_a_screen() {
    char driver[32];
    return SDL_VideoDriverName(driver, sizeof driver) && std::strcmp(driver, "offscreen") != 0;
}

std::string running_executable() {
    char buffer[4096];
    ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer);
    if (length <= 0 || length == ssize_t(sizeof buffer)) return "";
    return std::string(buffer, size_t(length));
}

void init_window() {
    show_window_icon();
    if (!SDL_SetVideoMode(layout::WINDOW_WIDTH, layout::WINDOW_HEIGHT, WINDOW_BPP, SDL_OPENGL))
        fatal_error("Couldn't set video mode", SDL_GetError());
    watch_the_window();
    SDL_WM_SetCaption(VERSION_CAPTION, VERSION_CAPTION);
}

// One unit a pixel, with the origin at the bottom-left corner and y growing upward. The clear
// colour stays OpenGL's own, black.
void init_opengl() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, layout::WINDOW_WIDTH, 0, layout::WINDOW_HEIGHT, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

}  // namespace

std::string program_directory(const std::string& argv0, const std::string& executable) {
    // The path the game was started by may be a link in another folder, or a bare name found
    // on PATH: only the executable itself says where the game's files are.
    if (!executable.empty()) return directory_of(executable);
    return directory_of(argv0);
}

void change_to_program_directory(const char* argv0) {
    std::string directory = program_directory(argv0 ? argv0 : "", running_executable());
    // On failure we stay where we are; a missing asset then reports itself.
    if (!directory.empty() && chdir(directory.c_str()) != 0) return;
}

void init_everything() {
    // sdl12-compat would have OpenGL draw into a framebuffer of its own, for scaling, and copy
    // that into the window at each swap. The window is never scaled: drawn into directly, it
    // costs no copy, and a frame can show no more than the part of it that changed.
    setenv("SDL12COMPAT_OPENGL_SCALING", "0", 1);
    if (SDL_Init(SDL_INIT_EVERYTHING) != 0) fatal_error("Couldn't initialize SDL", SDL_GetError());
    if (!video_reaches_a_screen()) fatal_error("Couldn't initialize SDL", "No display to open a window on");
    if (TTF_Init() != 0) fatal_error("Couldn't initialize SDL_ttf", TTF_GetError());
    if (Mix_OpenAudio(AUDIO_RATE, AUDIO_FORMAT, AUDIO_CHANNELS, AUDIO_CHUNK_SIZE) != 0)
        fatal_error("Couldn't open audio device", Mix_GetError());
    if (Mix_AllocateChannels(MIXER_CHANNELS) != MIXER_CHANNELS)
        fatal_error("Couldn't allocate mixer channels", Mix_GetError());
    init_window();
    init_opengl();
    set_clock(SDL_GetTicks);
    std::srand(unsigned(std::time(nullptr)));
}

void deinit_everything() {
    Mix_CloseAudio();
    TTF_Quit();
    SDL_Quit();
}
