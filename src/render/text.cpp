#include "render/text.h"

#include <SDL_opengl.h>

#include "render/texture.h"
#include "render/texture_layout.h"

void render_text(TTF_Font* font, const SDL_Color& color, const float& x, const float& y,
                 const std::string& text) {
    // SDL_ttf gives no surface for an empty line.
    if (text.empty()) return;
    SDL_Surface* rendered = TTF_RenderText_Blended(font, text.c_str(), color);
    if (rendered == nullptr) return;
    const int width = pad(rendered->w);
    const int height = pad(rendered->h);
    SDL_Surface* padded = create_gl_surface(width, height, 32);
    if (padded == nullptr) {
        SDL_FreeSurface(rendered);
        return;
    }
    flip_rows_into(rendered, padded);

    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexImage2D(GL_TEXTURE_2D, 0, 4, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, padded->pixels);
    // Text is smoothed; pictures are sampled pixel-exact.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glEnable(GL_TEXTURE_2D);
    glColor4f(1, 1, 1, 1);

    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2f(x, y);
    glTexCoord2f(1, 0);
    glVertex2f(x + width, y);
    glTexCoord2f(1, 1);
    glVertex2f(x + width, y + height);
    glTexCoord2f(0, 1);
    glVertex2f(x, y + height);
    glEnd();

    glDisable(GL_BLEND);
    SDL_FreeSurface(padded);
    SDL_FreeSurface(rendered);
    glDeleteTextures(1, &name);
}
