// Resources: every picture and font size of the game, loaded once at start-up in a fixed order
// (a missing file throws a LoadError naming it) and released with the object.
#pragma once

#include <vector>

#include "render/font.h"
#include "render/screen_view.h"
#include "render/texture.h"

class Resources {
public:
    // Needs the window's OpenGL context.
    Resources();

    const Texture& picture(Picture which) const { return pictures_[size_t(which)]; }
    const Font& font(FontSize size) const { return fonts_[size_t(size)]; }

private:
    std::vector<Texture> pictures_;  // indexed by Picture
    std::vector<Font> fonts_;        // indexed by FontSize
};
