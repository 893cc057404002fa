#include "persist/screenshot.h"

#include <SDL.h>
#include <SDL_opengl.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "app/startup.h"
#include "model/gamestate.h"
#include "persist/file_io.h"

namespace {

constexpr size_t BMP_HEADER_ROOM = 1024;

}  // namespace

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

std::string encode_bmp(const unsigned char* pixels, int width, int height) {
    SDL_Surface* surface =
        SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 32, 0x000000FF, 0x0000FF00, 0x00FF0000, 0);
    if (surface == nullptr) return "";
    const size_t row_bytes = size_t(width) * 4;
    SDL_LockSurface(surface);
    for (int row = 0; row < height; ++row)
        std::memcpy(static_cast<unsigned char*>(surface->pixels) + size_t(height - 1 - row) * surface->pitch,
                    pixels + row * row_bytes, row_bytes);
    SDL_UnlockSurface(surface);

    // Room for the headers and four bytes a pixel, more than any BMP of the surface takes.
    std::string bmp(BMP_HEADER_ROOM + size_t(width) * height * 4, '\0');
    SDL_RWops* memory = SDL_RWFromMem(&bmp[0], int(bmp.size()));
    bool encoded = memory && SDL_SaveBMP_RW(surface, memory, 0) == 0;
    bmp.resize(encoded ? size_t(SDL_RWtell(memory)) : 0);
    if (memory) SDL_RWclose(memory);
    SDL_FreeSurface(surface);
    return bmp;
}

std::string write_screenshot(const std::string& bmp, const std::string& base) {
    if (bmp.empty()) return "";
    bool taken = true;
    for (unsigned n = 1; taken; ++n) {
        std::string name = base;
        if (n > 1) name += "_" + std::to_string(n);
        name += ".bmp";
        if (write_new_file(name, bmp, &taken)) return name;
    }
    return "";
}

void save_screenshot(GameState& state) {
    std::vector<unsigned char> pixels(size_t(WINDOW_WIDTH) * WINDOW_HEIGHT * 4);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, WINDOW_WIDTH, WINDOW_HEIGHT, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    write_screenshot(encode_bmp(pixels.data(), WINDOW_WIDTH, WINDOW_HEIGHT),
                     screenshot_base_name(state, state.input_type->get_name(), std::time(nullptr)));
}
