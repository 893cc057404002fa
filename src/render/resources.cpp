#include "render/resources.h"

#include <SDL_ttf.h>

#include <iterator>
#include <string>

#include "render/layout.h"

namespace {

// In the order of Picture, which is the order they load in.
constexpr const char* PICTURE_FILES[] = {
    "img/cellsheet.png",       "img/cellsheetbig.png", "img/backdrop.png",      "img/backdropbig.png",
    "img/columnhighlight.png", "img/menuscreen.png",   "img/optionsscreen.png", "img/creditsscreen.png",
    "img/guide10keys.png",     "img/guide40keys.png",  "img/cellhighlight.png",
};
static_assert(std::size(PICTURE_FILES) == size_t(Picture::CellHighlight) + 1, "one file a picture");
// In the order of FontSize.
constexpr int FONT_POINTS[] = {8, 10, 12, 14, 16, 20};
static_assert(std::size(FONT_POINTS) == size_t(FontSize::Points20) + 1, "one size a font");

Font open_font(int points) {
    Font font(TTF_OpenFont(layout::FONT_FILE, points));
    if (!font) throw LoadError(std::string("Couldn't load ") + layout::FONT_FILE);
    return font;
}

}  // namespace

void FontCloser::operator()(TTF_Font* font) const { TTF_CloseFont(font); }

Resources::Resources() {
    for (const char* file : PICTURE_FILES) pictures_.emplace_back(file);
    for (int points : FONT_POINTS) fonts_.push_back(open_font(points));
}
