// Font: the game's typeface at one size, rendering a line as SDL_ttf's blended text does: the
// colour in every pixel and the glyphs' coverage as alpha. On the desktop SDL_ttf renders it
// (font_desktop.cpp); in a browser, whose SDL would draw with the page's own fonts, it is set
// from the glyph sheet that the asset generator made with SDL_ttf (font_web.cpp), pixel for pixel
// the same.
#pragma once

#include <SDL.h>

#include <memory>
#include <optional>
#include <string>

#include "render/pixels.h"

class Font {
public:
    // Throws a LoadError naming the file it could not read.
    explicit Font(int points);
    ~Font();
    Font(Font&&) noexcept;
    Font& operator=(Font&&) noexcept;

    // Nothing for an empty line.
    std::optional<Pixels> render(const std::string& text, const SDL_Color& color) const;

private:
    struct Face;
    std::unique_ptr<Face> face_;
};
