#include "persist/screenshot_file.h"

#include <SDL.h>

#include <cstdio>
#include <cstring>

#include "input/control_scheme.h"
#include "options/options.h"
#include "persist/file_io.h"
#include "rules/session.h"

namespace {

// Room for the headers of a BMP file, more than any takes.
constexpr size_t BMP_HEADER_ROOM = 1024;

}  // namespace

std::string screenshot_base_name(const Session& session, std::time_t now) {
    char date[32] = "";
    if (const std::tm* local = std::localtime(&now)) std::strftime(date, sizeof date, "%Y-%m-%d", local);
    const GameModeKind& mode = game_mode_kind(session.settings.game_mode);
    std::string name = std::string(date) + "_" + kind_of(control_schemes(), session.settings.control_scheme).name +
                       "_" + mode.screenshot;
    if (session.settings.big_mode) name += "_BIG";
    if (!session.game.finished) return name;

    char result[32] = "";
    if (mode.result == Measure::Time) {
        std::snprintf(result, sizeof result, "_%.3fs",
                      uint32_t(session.game.end_ticks - session.game.start_ticks) / 1000.0);
        // The name keeps one point only, the one before the extension.
        if (char* point = std::strchr(result, '.')) *point = '_';
    } else if (mode.result == Measure::Lines) {
        std::snprintf(result, sizeof result, "_%dl", session.game.lines);
    }
    return name + result;
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

    std::string bmp(BMP_HEADER_ROOM + size_t(width) * height * 4, '\0');
    SDL_RWops* memory = SDL_RWFromMem(&bmp[0], int(bmp.size()));
    const bool encoded = memory && SDL_SaveBMP_RW(surface, memory, 0) == 0;
    bmp.resize(encoded ? size_t(SDL_RWtell(memory)) : 0);
    if (memory) SDL_RWclose(memory);
    SDL_FreeSurface(surface);
    return bmp;
}

const char* const SCREENSHOT_EXTENSION = ".bmp";

std::string write_screenshot(const std::string& bmp, const std::string& base, const std::string& preferred) {
    if (bmp.empty()) return "";
    bool taken = true;
    if (!preferred.empty() && write_new_file(preferred + SCREENSHOT_EXTENSION, bmp, &taken))
        return preferred + SCREENSHOT_EXTENSION;
    return taken ? write_under_new_name(base, SCREENSHOT_EXTENSION, bmp) : "";
}
