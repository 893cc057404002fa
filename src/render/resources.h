// Resources: every picture and font size of the game, loaded once at start-up in a fixed order
// (a missing file throws a LoadError naming it) and released with the object.
#pragma once

#include <memory>
#include <vector>

#include "render/screen_view.h"
#include "render/texture.h"

struct _TTF_Font;
using TTF_Font = _TTF_Font;

struct FontCloser {
    void operator()(TTF_Font* font) const;
};
using Font = std::unique_ptr<TTF_Font, FontCloser>;

class Resources {
public:
    // Needs the window's OpenGL context.
    Resources();

    const Texture& picture(Picture which) const { return pictures_[size_t(which)]; }
    TTF_Font* font(FontSize size) const { return fonts_[size_t(size)].get(); }

private:
    std::vector<Texture> pictures_;  // indexed by Picture
    std::vector<Font> fonts_;        // indexed by FontSize
};
