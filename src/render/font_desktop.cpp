#include <SDL_ttf.h>

#include "render/asset_files.h"
#include "render/font.h"
#include "render/texture.h"

struct Font::Face {
    TTF_Font* font;
    ~Face() { TTF_CloseFont(font); }
};

Font::Font(int points) {
    TTF_Font* font = TTF_OpenFont(asset_files::FONT, points);
    if (!font) throw LoadError(std::string("Couldn't load ") + asset_files::FONT);
    face_.reset(new Face{font});
}

Font::~Font() = default;
Font::Font(Font&&) noexcept = default;
Font& Font::operator=(Font&&) noexcept = default;

std::optional<Pixels> Font::render(const std::string& text, const SDL_Color& color) const {
    // SDL_ttf gives no surface for an empty line.
    SDL_Surface* rendered = text.empty() ? nullptr : TTF_RenderText_Blended(face_->font, text.c_str(), color);
    if (rendered == nullptr) return std::nullopt;
    std::optional<Pixels> picture = pixels_of(*rendered);
    SDL_FreeSurface(rendered);
    return picture;
}
