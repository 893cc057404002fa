#include "typeface.h"

#include <algorithm>
#include <stdexcept>

Typeface::Typeface(std::string path) : path_(std::move(path)) {
    if (TTF_Init() != 0) throw std::runtime_error("TTF_Init failed");
}

Typeface::~Typeface() {
    for (auto& entry : fonts_) TTF_CloseFont(entry.second);
    TTF_Quit();
}

TTF_Font* Typeface::font(int size) {
    auto found = fonts_.find(size);
    if (found != fonts_.end()) return found->second;
    TTF_Font* opened = TTF_OpenFont(path_.c_str(), size);
    if (!opened) throw std::runtime_error("cannot open font " + path_);
    fonts_[size] = opened;
    return opened;
}

void Typeface::draw(Canvas& canvas, int size, int x, int y, const std::string& text, Rgb color, double alpha) {
    if (text.empty()) return;
    SDL_Surface* glyphs = TTF_RenderUTF8_Blended(font(size), text.c_str(), {255, 255, 255, 0});
    if (!glyphs) throw std::runtime_error("cannot render text " + text);
    // Only the coverage is taken from the rendering; the colour is blended by the canvas.
    SDL_LockSurface(glyphs);
    const SDL_PixelFormat* format = glyphs->format;
    for (int row = 0; row < glyphs->h; ++row) {
        const auto* line =
            reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(glyphs->pixels) + row * glyphs->pitch);
        for (int col = 0; col < glyphs->w; ++col) {
            const Uint32 coverage = (line[col] & format->Amask) >> format->Ashift;
            if (coverage) canvas.blend(x + col, y + row, color, alpha * coverage / 255.0);
        }
    }
    SDL_UnlockSurface(glyphs);
    SDL_FreeSurface(glyphs);
}

void Typeface::draw_centered(Canvas& canvas, int size, int center_x, int y, const std::string& text, Rgb color,
                             double alpha) {
    draw(canvas, size, center_x - width(size, text) / 2, y, text, color, alpha);
}

int Typeface::width(int size, const std::string& text) {
    int w = 0;
    int h = 0;
    TTF_SizeUTF8(font(size), text.c_str(), &w, &h);
    return w;
}

int Typeface::line_height(int size) { return TTF_FontHeight(font(size)); }

int Typeface::ascent(int size) { return TTF_FontAscent(font(size)); }

GlyphSheet Typeface::glyph_sheet(int size) {
    GlyphSheet sheet;
    sheet.height = TTF_FontHeight(font(size));
    for (char c = GlyphSheet::FIRST; c <= GlyphSheet::LAST; ++c) {
        GlyphSheet::Glyph& glyph = sheet.glyphs[size_t(c - GlyphSheet::FIRST)];
        int min_x, max_x, min_y, max_y;
        TTF_GlyphMetrics(font(size), Uint16(c), &min_x, &max_x, &min_y, &max_y, &sheet.advance);
        glyph.lead = std::max(0, -min_x);
        SDL_Surface* alone = TTF_RenderText_Blended(font(size), std::string(1, c).c_str(), {255, 255, 255, 0});
        if (!alone || alone->h != sheet.height) throw std::runtime_error(std::string("cannot render ") + c);
        glyph.width = alone->w;
        for (int row = 0; row < alone->h; ++row) {
            const auto* line =
                reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(alone->pixels) + row * alone->pitch);
            for (int col = 0; col < alone->w; ++col)
                glyph.coverage.push_back(Uint8((line[col] & alone->format->Amask) >> alone->format->Ashift));
        }
        SDL_FreeSurface(alone);
    }
    return sheet;
}
