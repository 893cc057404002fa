#include "render/texture.h"

#include <SDL_image.h>
#include <SDL_opengl.h>

#include <string>
#include <type_traits>

#include "app/fatal.h"
#include "render/texture_layout.h"

static_assert(std::is_same_v<GLuint, uint32_t>, "Texture::id holds an OpenGL texture name");

int pad(int n) {
    int result = 1;
    if (n < 2) return 1;
    unsigned m = unsigned(n - 1);
    do {
        result *= 2;
        m >>= 1;
    } while (m != 0);
    return result;
}

bool vertFlip(SDL_Surface* src, SDL_Surface* dst) {
    if (dst == nullptr) return false;
    // Without this the copy would blend the source's alpha instead of copying it.
    SDL_SetAlpha(src, 0, 255);
    for (int row = 0; row < src->h; ++row) {
        SDL_Rect from = {0, Sint16(row), Uint16(src->w), 1};
        SDL_Rect to = {0, Sint16(src->h - 1 - row), 0, 0};
        if (SDL_BlitSurface(src, &from, dst, &to) != 0) return false;
    }
    return true;
}

void Texture::load(const char* path) {
    SDL_Surface* loaded = IMG_Load(path);
    if (loaded == nullptr) fatal_error(std::string("Couldn't load image file: ") + path);
    width = loaded->w;
    height = loaded->h;

    SDL_Surface* padded = create_gl_surface(pad(width), pad(height), loaded->format->BitsPerPixel);
    if (!vertFlip(loaded, padded)) fatal_error(std::string("Couldn't pad image file: ") + path);
    texWidth = padded->w;
    texHeight = padded->h;

    const int bytes_per_pixel = padded->format->BytesPerPixel;
    const GLenum format = gl_format_for(bytes_per_pixel);
    if (format == 0) fatal_error(std::string("Unrecognized image file format for ") + path);
    const int alignment = unpack_alignment(texWidth * bytes_per_pixel, padded->pitch);
    if (alignment == 0) fatal_error(std::string("Couldn't pad image file: ") + path);

    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    glTexImage2D(GL_TEXTURE_2D, 0, GLint(format), texWidth, texHeight, 0, format, GL_UNSIGNED_BYTE,
                 padded->pixels);
    glPopClientAttrib();
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);

    SDL_FreeSurface(padded);
    SDL_FreeSurface(loaded);
    id = name;
}

void Texture::free() { glDeleteTextures(1, &id); }

void Sprite::setAll(Texture* sheet, int x, int y, int w, int h) {
    texture = sheet;
    rect.x = Sint16(x);
    rect.y = Sint16(y);
    rect.w = Uint16(w);
    rect.h = Uint16(h);
}

void Sprite::draw(float x, float y) const {
    glBindTexture(GL_TEXTURE_2D, texture->id);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(1, 1, 1, 1);

    const TexCoords tc = sprite_tex_coords(*this);
    const float right = x + rect.w;
    const float top = y + rect.h;
    glBegin(GL_QUADS);
    glTexCoord2f(tc.s0, tc.t0);
    glVertex3f(x, y, 0);
    glTexCoord2f(tc.s1, tc.t0);
    glVertex3f(right, y, 0);
    glTexCoord2f(tc.s1, tc.t1);
    glVertex3f(right, top, 0);
    glTexCoord2f(tc.s0, tc.t1);
    glVertex3f(x, top, 0);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}
