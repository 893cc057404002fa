// Typeface: the game's TrueType font opened through SDL_ttf at any point size, drawing
// anti-aliased lines of text into a Canvas in a colour of the caller's choice.
#pragma once

#include <SDL_ttf.h>

#include <map>
#include <string>

#include "canvas.h"
#include "render/glyph_sheet.h"

class Typeface {
public:
    explicit Typeface(std::string path);
    ~Typeface();
    Typeface(const Typeface&) = delete;
    Typeface& operator=(const Typeface&) = delete;

    // (x, y) is the top-left corner of the line box; text is UTF-8.
    void draw(Canvas& canvas, int size, int x, int y, const std::string& text, Rgb color, double alpha = 1.0);
    void draw_centered(Canvas& canvas, int size, int center_x, int y, const std::string& text, Rgb color,
                       double alpha = 1.0);
    int width(int size, const std::string& text);
    int line_height(int size);
    // Distance from the top of the line box to the baseline.
    int ascent(int size);
    // Each printable character rendered alone, for a browser to set lines from.
    GlyphSheet glyph_sheet(int size);

private:
    TTF_Font* font(int size);

    std::string path_;
    std::map<int, TTF_Font*> fonts_;
};
