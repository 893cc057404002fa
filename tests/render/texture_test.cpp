#include "render/texture.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "render/texture_layout.h"
#include "support/temp_dir.h"

namespace {

Uint8* pixel_at(SDL_Surface* surface, int x, int y) {
    return static_cast<Uint8*>(surface->pixels) + y * surface->pitch + x * surface->format->BytesPerPixel;
}

// A w x h image whose pixel (x, y) has red x, green y and blue 200 (and alpha 10 * y + 5).
SDL_Surface* numbered_image(int w, int h, int depth) {
    SDL_Surface* surface = create_gl_surface(w, h, depth);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            Uint32 value = SDL_MapRGBA(surface->format, Uint8(x), Uint8(y), 200, Uint8(10 * y + 5));
            std::memcpy(pixel_at(surface, x, y), &value, surface->format->BytesPerPixel);
        }
    return surface;
}

}  // namespace

TEST(Pad, GivesTheSmallestPowerOfTwoNotBelow) {
    const std::pair<int, int> cases[] = {{-5, 1}, {0, 1},   {1, 1},   {2, 2},    {3, 4},    {20, 32},
                                         {32, 32}, {33, 64}, {400, 512}, {480, 512}, {640, 1024}};
    for (auto [size, padded] : cases) EXPECT_EQ(pad(size), padded) << size;
}

TEST(GlSurface, StoresRedGreenBlueBytesInMemoryOrder) {
    for (int depth : {24, 32}) {
        SDL_Surface* surface = create_gl_surface(4, 2, depth);
        ASSERT_NE(surface, nullptr);
        EXPECT_EQ(surface->format->BitsPerPixel, depth);
        Uint32 value = SDL_MapRGBA(surface->format, 1, 2, 3, 4);
        std::memcpy(pixel_at(surface, 0, 0), &value, surface->format->BytesPerPixel);
        const Uint8* bytes = pixel_at(surface, 0, 0);
        EXPECT_EQ(std::string(bytes, bytes + depth / 8), std::string("\1\2\3\4", depth / 8)) << depth;
        SDL_FreeSurface(surface);
    }
}

TEST(GlSurface, UnpackAlignmentMatchesThePaddedRows) {
    // Narrow 24-bit textures have rows that SDL pads to four bytes.
    for (int width : {1, 2, 4, 32}) {
        SDL_Surface* surface = create_gl_surface(width, 2, 24);
        const int row_bytes = width * 3;
        const int alignment = unpack_alignment(row_bytes, surface->pitch);
        ASSERT_NE(alignment, 0) << width;
        EXPECT_EQ((row_bytes + alignment - 1) / alignment * alignment, surface->pitch) << width;
        SDL_FreeSurface(surface);
    }
    EXPECT_EQ(unpack_alignment(12, 12), 4);
    EXPECT_EQ(unpack_alignment(3, 5), 0);
}

TEST(VertFlip, CopiesRowsAndAlphaUpsideDownIntoTheCornerAndLeavesTheRest) {
    for (int depth : {24, 32}) {
        SDL_Surface* source = numbered_image(3, 5, depth);
        // Alpha is copied, not blended, even when the source asks for blending.
        SDL_SetAlpha(source, SDL_SRCALPHA, 255);
        SDL_Surface* padded = create_gl_surface(pad(3), pad(5), depth);
        ASSERT_TRUE(vertFlip(source, padded));
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 3; ++x) {
                const Uint8* bytes = pixel_at(padded, x, 4 - y);
                EXPECT_EQ(bytes[0], x);
                EXPECT_EQ(bytes[1], y);
                EXPECT_EQ(bytes[2], 200);
                if (depth == 32) {
                    EXPECT_EQ(bytes[3], 10 * y + 5);
                }
            }
        for (int y = 0; y < 8; ++y) EXPECT_EQ(pixel_at(padded, 3, y)[2], 0) << depth;
        for (int x = 0; x < 4; ++x) EXPECT_EQ(pixel_at(padded, x, 5)[2], 0) << depth;
        EXPECT_FALSE(vertFlip(source, nullptr));
        SDL_FreeSurface(padded);
        SDL_FreeSurface(source);
    }
}

TEST(SpriteTexCoords, SampleOnlyTheImageInsideItsPaddedTexture) {
    Texture sheet;
    sheet.texWidth = 256;
    sheet.texHeight = 32;
    Sprite tile;
    tile.setAll(&sheet, 120, 8, 20, 20);
    const TexCoords coords = sprite_tex_coords(tile);
    EXPECT_FLOAT_EQ(coords.s0, 120.0f / 256);
    EXPECT_FLOAT_EQ(coords.s1, 140.0f / 256);
    EXPECT_FLOAT_EQ(coords.t0, 0.25f);
    EXPECT_FLOAT_EQ(coords.t1, 0.875f);
}

using TextureLoadDeathTest = ::testing::Test;

TEST_F(TextureLoadDeathTest, MissingOrPalettedImagesEndTheProgramNamingThePath) {
    Texture texture;
    EXPECT_EXIT(texture.load("no/such/image.png"), ::testing::ExitedWithCode(1),
                "^Error:Couldn't load image file: no/such/image.png$");

    TempDir dir;
    const std::string path = dir.file("paletted.bmp");
    SDL_Surface* paletted = SDL_CreateRGBSurface(0, 4, 4, 8, 0, 0, 0, 0);
    ASSERT_EQ(SDL_SaveBMP(paletted, path.c_str()), 0);
    SDL_FreeSurface(paletted);
    EXPECT_EXIT(texture.load(path.c_str()), ::testing::ExitedWithCode(1),
                "^Error:Unrecognized image file format for " + path + "$");
}
