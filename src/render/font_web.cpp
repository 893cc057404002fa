#include <fstream>
#include <iterator>

#include "render/asset_files.h"
#include "render/font.h"
#include "render/glyph_sheet.h"
#include "render/texture.h"
#include "render/texture_layout.h"

struct Font::Face {
    GlyphSheet sheet;
};

Font::Font(int points) {
    const std::string file = asset_files::glyph_sheet_file(points);
    std::ifstream in(file, std::ios::binary);
    const std::optional<GlyphSheet> sheet = parse_glyph_sheet({std::istreambuf_iterator<char>(in), {}});
    if (!sheet) throw LoadError("Couldn't load " + file);
    face_.reset(new Face{*sheet});
}

Font::~Font() = default;
Font::Font(Font&&) noexcept = default;
Font& Font::operator=(Font&&) noexcept = default;

SDL_Surface* Font::render(const std::string& text, const SDL_Color& color) const {
    const LineCoverage line = line_coverage(face_->sheet, text);
    if (line.width == 0) return nullptr;
    SDL_Surface* surface = create_gl_surface(line.width, line.height, 32);
    if (!surface) return nullptr;
    for (int y = 0; y < line.height; ++y) {
        Uint8* pixel = static_cast<Uint8*>(surface->pixels) + y * surface->pitch;
        for (int x = 0; x < line.width; ++x, pixel += 4) {
            pixel[0] = color.r, pixel[1] = color.g, pixel[2] = color.b;
            pixel[3] = line.coverage[size_t(y * line.width + x)];
        }
    }
    return surface;
}
