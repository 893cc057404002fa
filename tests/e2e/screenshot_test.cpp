#include <SDL.h>
#include <SDL_image.h>

#include <chrono>
#include <cstring>
#include <ctime>
#include <string>

#include "e2e/gametest.h"

namespace {

std::string local_date() {
    const std::time_t now = std::time(nullptr);
    char date[16];
    std::strftime(date, sizeof date, "%Y-%m-%d", std::localtime(&now));
    return date;
}

// The game's backdrop picture, to compare the screenshot with where nothing is drawn over it.
class Picture {
public:
    explicit Picture(const fs::path& path) : surface_(IMG_Load(path.c_str())) {}
    ~Picture() { SDL_FreeSurface(surface_); }
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    bool loaded() const { return surface_ != nullptr; }
    // x to the right, y down from the top edge.
    Rgb at(int x, int y) const {
        const Uint8* bytes = static_cast<const Uint8*>(surface_->pixels) + y * surface_->pitch +
                             x * surface_->format->BytesPerPixel;
        Uint32 value = 0;
        std::memcpy(&value, bytes, surface_->format->BytesPerPixel);
        Rgb colour;
        SDL_GetRGB(value, surface_->format, &colour.r, &colour.g, &colour.b);
        return colour;
    }

private:
    SDL_Surface* surface_;
};

}  // namespace

using Screenshots = GameTest;

TEST_F(Screenshots, F2DuringPlaySavesTheShownFrameUnderAFreshName) {
    start();
    ASSERT_NE(window(), 0u);

    // Keys are discarded during the three-second countdown; keep asking until play has begun.
    const std::string date_before = local_date();
    std::optional<fs::path> first;
    const auto deadline = std::chrono::steady_clock::now() + WINDOW_TIMEOUT;
    while (!first && std::chrono::steady_clock::now() < deadline) {
        press("F2");
        first = wait_for_new_bmp({}, Milliseconds(500));
    }
    ASSERT_TRUE(first);
    const std::string date_after = local_date();
    const std::string name = first->string();
    const std::string tail = "_10-Key_40Lines.bmp";
    EXPECT_TRUE(name == date_before + tail || name == date_after + tail) << name;

    // A slow machine may have taken more than one shot while the loop above waited.
    const std::vector<fs::path> before = bmp_files();
    press("F2");
    const std::optional<fs::path> next = wait_for_new_bmp(before);
    ASSERT_TRUE(next);
    const std::string base = name.substr(0, name.size() - 4);
    EXPECT_EQ(next->string(), base + "_" + std::to_string(before.size() + 1) + ".bmp");

    const std::optional<Bitmap> shot = Bitmap::load((folder() / name).string());
    ASSERT_TRUE(shot);
    ASSERT_EQ(shot->width(), 640);
    ASSERT_EQ(shot->height(), 480);
    const Picture backdrop(folder() / "img" / "backdrop.png");
    ASSERT_TRUE(backdrop.loaded());
    // Right edge, and a row under the settings summary: nothing is drawn there.
    for (int y = 0; y < 480; ++y) ASSERT_EQ(shot->at_window(635, y), backdrop.at(635, y)) << y;
    for (int x = 0; x < 110; ++x)
        ASSERT_EQ(shot->at_game(x, 300), backdrop.at(x, 479 - 300)) << x;
    // The active piece stands in its box over the backdrop.
    int covered = 0;
    for (int y = 389; y < 469; ++y)
        for (int x = 440; x < 520; ++x) covered += shot->at_game(x, y) != backdrop.at(x, 479 - y);
    EXPECT_GE(covered, 4 * 20 * 20);

    press("Escape");
    EXPECT_EQ(wait_for_exit(), 0);
}
