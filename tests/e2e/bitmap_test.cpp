#include "e2e/bitmap.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

namespace {

constexpr int W = 5;
constexpr int H = 3;

// Screenshots are written by SDL, so the reader is checked against what SDL writes.
std::optional<Bitmap> round_trip(int bits) {
    SDL_Surface* surface = SDL_CreateRGBSurface(SDL_SWSURFACE, W, H, bits, 0xFF0000, 0x00FF00,
                                                0x0000FF, 0);
    if (!surface) return std::nullopt;
    SDL_LockSurface(surface);
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            Uint32 pixel = SDL_MapRGB(surface->format, Uint8(40 * x), Uint8(100 * y), 7);
            auto* row = static_cast<Uint8*>(surface->pixels) + y * surface->pitch;
            for (int byte = 0; byte < bits / 8; ++byte)
                row[x * (bits / 8) + byte] = Uint8(pixel >> (8 * byte));
        }
    }
    SDL_UnlockSurface(surface);
    std::string path = "/tmp/tapfall-e2e-bitmap-" + std::to_string(getpid()) + ".bmp";
    int saved = SDL_SaveBMP(surface, path.c_str());
    SDL_FreeSurface(surface);
    std::optional<Bitmap> bitmap = saved == 0 ? Bitmap::load(path) : std::nullopt;
    unlink(path.c_str());
    return bitmap;
}

}  // namespace

TEST(BitmapReader, ReadsWhatSdlWritesAtBothDepthsInBothCoordinateSystems) {
    for (int bits : {24, 32}) {
        SCOPED_TRACE(bits);
        std::optional<Bitmap> bitmap = round_trip(bits);
        ASSERT_TRUE(bitmap);
        ASSERT_EQ(bitmap->width(), W);
        ASSERT_EQ(bitmap->height(), H);
        for (int y = 0; y < H; ++y) {
            for (int x = 0; x < W; ++x) {
                const Rgb expected{uint8_t(40 * x), uint8_t(100 * y), 7};
                EXPECT_EQ(bitmap->at_window(x, y), expected) << x << "," << y;
                EXPECT_EQ(bitmap->at_game(x, H - 1 - y), expected) << x << "," << y;
            }
        }
    }
}

TEST(BitmapReader, RefusesWhatIsNotACompleteBitmap) {
    EXPECT_FALSE(Bitmap::load("/nonexistent/tapfall.bmp"));
    EXPECT_FALSE(Bitmap::load("/proc/self/cmdline"));
}
