// Bitmap: a BMP file read back for the tests (24- or 32-bit, uncompressed or bit fields),
// with the colour of a pixel looked up in window or in game coordinates.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Rgb& o) const { return !(*this == o); }
};
std::ostream& operator<<(std::ostream& out, const Rgb& colour);

class Bitmap {
public:
    // nullopt when the file is missing or not a BMP this reader knows.
    static std::optional<Bitmap> load(const std::string& path);
    // Pixels top row first, as X hands them out.
    Bitmap(int width, int height, std::vector<Rgb> pixels)
        : width_(width), height_(height), pixels_(std::move(pixels)) {}

    int width() const { return width_; }
    int height() const { return height_; }
    // x to the right, y down from the top edge, as X and xdotool count window coordinates.
    Rgb at_window(int x, int y) const { return pixels_[size_t(y) * size_t(width_) + size_t(x)]; }
    // x to the right, y up from the bottom edge, as the game places what it draws.
    Rgb at_game(int x, int y) const { return at_window(x, height_ - 1 - y); }

private:
    Bitmap() = default;

    int width_ = 0;
    int height_ = 0;
    std::vector<Rgb> pixels_;  // top row first
};
