#include "persist/screenshot.h"

#include <SDL.h>
#include <SDL_opengl.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "app/startup.h"
#include "model/gamestate.h"

bool file_exists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

std::string screenshot_base_name(const GameRecord& state, const std::string& input_name,
                                 std::time_t now) {
    char date[32] = "";
    if (const std::tm* local = std::localtime(&now))
        std::strftime(date, sizeof date, "%Y-%m-%d", local);
    std::string name = std::string(date) + "_" + input_name;

    switch (state.game_mode) {
    case GAME_MODE_40_LINES:
        name += "_40Lines";
        break;
    case GAME_MODE_2_MINUTES:
        name += "_2Min";
        break;
    case GAME_MODE_ENDLESS:
        name += "_Endless";
        break;
    default:
        break;
    }
    if (state.big_mode) name += "_BIG";

    if (state.finished) {
        char result[32] = "";
        if (state.game_mode == GAME_MODE_40_LINES) {
            std::snprintf(result, sizeof result, "_%.3fs",
                          uint32_t(state.end_ticks - state.start_ticks) / 1000.0);
            // The name keeps one point only, the one before the extension.
            if (char* point = std::strchr(result, '.')) *point = '_';
        } else if (state.game_mode == GAME_MODE_2_MINUTES) {
            std::snprintf(result, sizeof result, "_%dl", state.lines);
        }
        name += result;
    }
    return name;
}

std::string unique_screenshot_name(const std::string& base) {
    std::string candidate = base;
    for (unsigned n = 2; file_exists(candidate + ".bmp"); ++n) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "_%u", n);
        candidate = base + suffix;
    }
    return candidate + ".bmp";
}

std::string gen_filename(GameState& state, std::time_t now) {
    return unique_screenshot_name(screenshot_base_name(state, state.input_type->get_name(), now));
}

std::string gen_filename(GameState& state) { return gen_filename(state, std::time(nullptr)); }

bool write_screenshot_bmp(const unsigned char* pixels, int width, int height,
                          const std::string& path) {
    SDL_Surface* surface =
        SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 32, 0x000000FF, 0x0000FF00, 0x00FF0000, 0);
    if (surface == nullptr) return false;
    const size_t row_bytes = size_t(width) * 4;
    SDL_LockSurface(surface);
    for (int row = 0; row < height; ++row)
        std::memcpy(static_cast<unsigned char*>(surface->pixels) + size_t(height - 1 - row) * surface->pitch,
                    pixels + row * row_bytes, row_bytes);
    SDL_UnlockSurface(surface);

    bool written = false;
    if (SDL_RWops* file = SDL_RWFromFile(path.c_str(), "wb"))
        written = SDL_SaveBMP_RW(surface, file, 1) == 0;
    SDL_FreeSurface(surface);
    return written;
}

void save_screenshot(GameState& state) {
    std::vector<unsigned char> pixels(size_t(WINDOW_WIDTH) * WINDOW_HEIGHT * 4);
    // The back buffer's content between frames is undefined; the front one is what the player saw.
    glReadBuffer(GL_FRONT);
    glReadPixels(0, 0, WINDOW_WIDTH, WINDOW_HEIGHT, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    write_screenshot_bmp(pixels.data(), WINDOW_WIDTH, WINDOW_HEIGHT, gen_filename(state));
}
