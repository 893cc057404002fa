#include <fstream>
#include <iterator>

#include "render/asset_files.h"
#include "render/font.h"
#include "render/glyph_sheet.h"
#include "render/texture.h"

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

std::optional<Pixels> Font::render(const std::string& text, const SDL_Color& color) const {
    const LineCoverage line = line_coverage(face_->sheet, text);
    if (line.width == 0) return std::nullopt;
    Pixels picture{line.width, line.height, 4, std::vector<Uint8>(line.coverage.size() * 4)};
    Uint8* pixel = picture.bytes.data();
    for (const Uint8 coverage : line.coverage) {
        *pixel++ = color.r, *pixel++ = color.g, *pixel++ = color.b;
        *pixel++ = coverage;
    }
    return picture;
}
