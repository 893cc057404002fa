#include "render/text.h"

Box TextCache::draw(TTF_Font* font, const SDL_Color& color, int x, int y, const std::string& text) {
    // SDL_ttf gives no surface for an empty line.
    if (text.empty()) return {x, y};
    const Uint32 rgb = Uint32(color.r) << 16 | Uint32(color.g) << 8 | color.b;
    const Texture& line = lines_.get({font, rgb, text}, [&] {
        SDL_Surface* rendered = TTF_RenderText_Blended(font, text.c_str(), color);
        if (rendered == nullptr) return Texture();
        // A browser's SDL draws a text into a canvas, whose pixels only a lock reads out; with
        // OpenGL it cannot unlock, and freeing the surface ends the lock anyway.
        SDL_LockSurface(rendered);
        Texture texture(rendered, true);
        SDL_FreeSurface(rendered);
        return texture;
    });
    line.draw(float(x), float(y));
    return {x, y, line.width(), line.height()};
}
