#include "persist/screenshot_file.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "input/control_scheme.h"
#include "options/options.h"
#include "persist/file_io.h"
#include "rules/session.h"

namespace {

// The file header and the info header of a BMP file.
constexpr uint32_t BMP_HEADERS = 54;

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
    // A 24-bit BMP: a file header and an info header, then rows of blue, green and red from the
    // bottom up, each padded to four bytes, as the RGBA rows come.
    const size_t row_bytes = (size_t(width) * 3 + 3) / 4 * 4, image_bytes = row_bytes * size_t(height);
    std::string bmp = "BM";
    // Little-endian numbers of four bytes, or of two.
    const auto number = [&bmp](uint32_t value, int bytes = 4) {
        for (int i = 0; i < bytes; ++i) bmp += char(value >> (8 * i) & 0xFF);
    };
    number(uint32_t(BMP_HEADERS + image_bytes));
    number(0);  // reserved
    number(BMP_HEADERS);
    number(40);  // the info header's size
    number(uint32_t(width));
    number(uint32_t(height));
    number(1, 2);  // planes
    number(24, 2);
    number(0);  // no compression
    number(uint32_t(image_bytes));
    bmp.append(16, '\0');  // no resolution, no palette
    for (int row = 0; row < height; ++row) {
        const unsigned char* pixel = pixels + size_t(row) * size_t(width) * 4;
        for (int x = 0; x < width; ++x, pixel += 4) bmp += {char(pixel[2]), char(pixel[1]), char(pixel[0])};
        bmp.append(row_bytes - size_t(width) * 3, '\0');
    }
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
