#include "render/texture.h"

#include <SDL_opengl.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "render/texture_layout.h"

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

Texture::Texture(const char* path) : Texture(load_pixels(path), false) {}

Texture::Texture(const Pixels& picture, bool smooth)
    : width_(picture.width),
      height_(picture.height),
      tex_width_(pad(picture.width)),
      tex_height_(pad(picture.height)),
      opaque_(picture.channels == 3) {
    // The picture in the texture's bottom-left corner: OpenGL counts rows from the bottom.
    const size_t row_bytes = size_t(width_ * picture.channels),
                 padded_row_bytes = size_t(tex_width_ * picture.channels);
    std::vector<Uint8> padded(padded_row_bytes * size_t(tex_height_));
    for (int row = 0; row < height_; ++row)
        std::copy_n(picture.bytes.begin() + std::ptrdiff_t(row * row_bytes), row_bytes,
                    padded.begin() + std::ptrdiff_t(size_t(height_ - 1 - row) * padded_row_bytes));

    const GLenum format = opaque_ ? GL_RGB : GL_RGBA;
    glGenTextures(1, &id_);
    glBindTexture(GL_TEXTURE_2D, id_);
    GLint previous_alignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &previous_alignment);
    // Rows follow each other without a gap; OpenGL takes words faster than bytes where they fit.
    glPixelStorei(GL_UNPACK_ALIGNMENT, padded_row_bytes % 4 == 0 ? 4 : 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GLint(format), tex_width_, tex_height_, 0, format, GL_UNSIGNED_BYTE, padded.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, previous_alignment);
    const GLint filter = smooth ? GL_LINEAR : GL_NEAREST;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
}

Texture::~Texture() {
    if (id_ != 0) glDeleteTextures(1, &id_);
}

Texture::Texture(Texture&& other) noexcept { *this = std::move(other); }

Texture& Texture::operator=(Texture&& other) noexcept {
    std::swap(id_, other.id_);
    width_ = other.width_;
    height_ = other.height_;
    tex_width_ = other.tex_width_;
    tex_height_ = other.tex_height_;
    opaque_ = other.opaque_;
    return *this;
}

void Texture::draw(float x, float y) const { SpriteBatch(*this).add(area(), x, y); }

SpriteBatch::SpriteBatch(const Texture& texture) : texture_(texture) {
    if (texture.id() == 0) return;
    glBindTexture(GL_TEXTURE_2D, texture.id());
    glEnable(GL_TEXTURE_2D);
    if (texture.opaque()) {
        glDisable(GL_BLEND);
    } else {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
    glColor4f(1, 1, 1, 1);
    glBegin(GL_QUADS);
}

SpriteBatch::~SpriteBatch() {
    if (texture_.id() == 0) return;
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

void SpriteBatch::add(const SDL_Rect& rect, float x, float y) {
    if (texture_.id() == 0) return;
    const TexCoords tc = tex_coords(texture_.tex_width(), texture_.tex_height(), rect);
    const float right = x + rect.w;
    const float top = y + rect.h;
    glTexCoord2f(tc.s0, tc.t0);
    glVertex3f(x, y, 0);
    glTexCoord2f(tc.s1, tc.t0);
    glVertex3f(right, y, 0);
    glTexCoord2f(tc.s1, tc.t1);
    glVertex3f(right, top, 0);
    glTexCoord2f(tc.s0, tc.t1);
    glVertex3f(x, top, 0);
}
