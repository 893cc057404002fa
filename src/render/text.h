// Text drawing: lines of text rendered by a Font into textures and drawn unscaled with their
// bottom-left corner at a screen point. A line is rendered once and its texture kept while the
// line is drawn frame after frame, so a frame renders only the texts that changed.
#pragma once

#include <SDL.h>

#include <string>
#include <tuple>

#include "render/font.h"
#include "render/frame_cache.h"
#include "render/screen_view.h"
#include "render/texture.h"

class TextCache {
public:
    // Returns the part of the window the line covers.
    Box draw(const Font& font, const SDL_Color& color, int x, int y, const std::string& text);
    // Lets go of the lines the frame did not draw.
    void end_frame() { lines_.end_frame(); }

private:
    using Line = std::tuple<const Font*, Uint32, std::string>;  // font, colour as 0xRRGGBB, text
    FrameCache<Line, Texture> lines_;
};
