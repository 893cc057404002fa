#include "render/texture.h"

#include <SDL_image.h>
#include <SDL_opengl.h>

#include <algorithm>
#include <cstring>
#include <utility>

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

namespace {

// Where a channel sits in a pixel, from its mask, found once a picture; no mask means the picture
// has no such channel, which reads as full.
struct Channel {
    explicit Channel(Uint32 bits) : mask(bits) {
        while (mask != 0 && (mask >> shift & 1) == 0) ++shift;
    }
    Uint8 of(Uint32 pixel) const { return mask == 0 ? 255 : Uint8((pixel & mask) >> shift); }
    Uint32 mask;
    int shift = 0;
};

}  // namespace

bool flip_rows_into(SDL_Surface* src, SDL_Surface* dst) {
    // Copied pixel by pixel rather than blitted: a blit would blend the source's alpha.
    if (dst == nullptr) return false;
    const SDL_PixelFormat& format = *src->format;
    const int in_bytes = format.BytesPerPixel, out_bytes = dst->format->BytesPerPixel;
    const Channel red(format.Rmask), green(format.Gmask), blue(format.Bmask), alpha(format.Amask);
    for (int row = 0; row < src->h; ++row) {
        const Uint8* in = static_cast<const Uint8*>(src->pixels) + row * src->pitch;
        Uint8* out = static_cast<Uint8*>(dst->pixels) + (src->h - 1 - row) * dst->pitch;
        for (int x = 0; x < src->w; ++x, in += in_bytes, out += out_bytes) {
            Uint32 pixel = 0;
            std::memcpy(&pixel, in, size_t(in_bytes));
            const Uint8 rgba[4] = {red.of(pixel), green.of(pixel), blue.of(pixel), alpha.of(pixel)};
            std::memcpy(out, rgba, size_t(std::min(out_bytes, 4)));
        }
    }
    return true;
}

Texture::Texture(const char* path) {
    SDL_Surface* loaded = IMG_Load(path);
    if (loaded == nullptr) throw LoadError(std::string("Couldn't load image file: ") + path);
    const char* failure = upload(loaded, false);
    SDL_FreeSurface(loaded);
    if (failure) throw LoadError(failure + std::string(path));
}

Texture::Texture(SDL_Surface* picture, bool smooth) { upload(picture, smooth); }

const char* Texture::upload(SDL_Surface* picture, bool smooth) {
    SDL_Surface* padded = create_gl_surface(pad(picture->w), pad(picture->h), picture->format->BitsPerPixel);
    const auto fail = [padded](const char* why) {
        if (padded) SDL_FreeSurface(padded);
        return why;
    };
    if (!flip_rows_into(picture, padded)) return fail("Couldn't pad image file: ");
    const int bytes_per_pixel = padded->format->BytesPerPixel;
    const GLenum format = gl_format_for(bytes_per_pixel);
    if (format == 0) return fail("Unrecognized image file format for ");
    const int alignment = unpack_alignment(padded->w * bytes_per_pixel, padded->pitch);
    if (alignment == 0) return fail("Couldn't pad image file: ");

    glGenTextures(1, &id_);
    glBindTexture(GL_TEXTURE_2D, id_);
    GLint previous_alignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &previous_alignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    glTexImage2D(GL_TEXTURE_2D, 0, GLint(format), padded->w, padded->h, 0, format, GL_UNSIGNED_BYTE, padded->pixels);
    glPixelStorei(GL_UNPACK_ALIGNMENT, previous_alignment);
    const GLint filter = smooth ? GL_LINEAR : GL_NEAREST;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    width_ = picture->w;
    height_ = picture->h;
    tex_width_ = padded->w;
    tex_height_ = padded->h;
    opaque_ = format == GL_RGB;
    SDL_FreeSurface(padded);
    return nullptr;
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
