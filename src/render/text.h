// Text drawing: one line of text rendered with SDL_ttf into a temporary texture and drawn with
// its bottom-left corner at a screen point. Nothing is cached between calls.
#pragma once

#include <SDL.h>
#include <SDL_ttf.h>

#include <string>

void render_text(TTF_Font* font, const SDL_Color& color, const float& x, const float& y,
                 const std::string& text);
