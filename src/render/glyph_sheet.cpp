#include "render/glyph_sheet.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr const char* FIRST_LINE = "Tapfall glyphs 1\n";

}  // namespace

LineCoverage line_coverage(const GlyphSheet& sheet, const std::string& text) {
    LineCoverage line{0, sheet.height, {}};
    if (text.empty()) return line;
    // Each pen moves by the advance; the line starts where the first glyph reaches left of its pen.
    const auto x_of = [&](size_t i) {
        return int(i) * sheet.advance + sheet.glyph(text[0]).lead - sheet.glyph(text[i]).lead;
    };
    for (size_t i = 0; i < text.size(); ++i) line.width = std::max(line.width, x_of(i) + sheet.glyph(text[i]).width);
    line.coverage.assign(size_t(line.width * line.height), 0);
    for (size_t i = 0; i < text.size(); ++i) {
        const GlyphSheet::Glyph& glyph = sheet.glyph(text[i]);
        for (int y = 0; y < sheet.height; ++y)
            for (int x = std::max(0, -x_of(i)); x < glyph.width; ++x)
                line.coverage[size_t(y * line.width + x_of(i) + x)] |= glyph.coverage[size_t(y * glyph.width + x)];
    }
    return line;
}

std::string glyph_sheet_text(const GlyphSheet& sheet) {
    std::string file = FIRST_LINE + std::to_string(sheet.height) + " " + std::to_string(sheet.advance) + "\n";
    for (const GlyphSheet::Glyph& glyph : sheet.glyphs)
        file += std::to_string(glyph.width) + " " + std::to_string(glyph.lead) + "\n";
    for (const GlyphSheet::Glyph& glyph : sheet.glyphs) file.append(glyph.coverage.begin(), glyph.coverage.end());
    return file;
}

std::optional<GlyphSheet> parse_glyph_sheet(const std::string& file) {
    GlyphSheet sheet;
    const std::string first = FIRST_LINE;
    if (file.compare(0, first.size(), first) != 0) return std::nullopt;
    size_t at = first.size();
    // Reads "a b\n" at `at`, within sensible bounds.
    const auto pair = [&](int& a, int& b, int low, int high) {
        int used = 0;
        const size_t end = file.find('\n', at);
        if (end == std::string::npos || std::sscanf(file.c_str() + at, "%d %d%n", &a, &b, &used) != 2 ||
            at + size_t(used) != end || a < 0 || a > high || b < low || b > high)
            return false;
        at = end + 1;
        return true;
    };
    if (!pair(sheet.height, sheet.advance, 1, 256)) return std::nullopt;
    for (GlyphSheet::Glyph& glyph : sheet.glyphs)
        if (!pair(glyph.width, glyph.lead, 0, 256)) return std::nullopt;
    for (GlyphSheet::Glyph& glyph : sheet.glyphs) {
        const size_t bytes = size_t(glyph.width * sheet.height);
        if (file.size() - at < bytes) return std::nullopt;
        glyph.coverage.assign(file.begin() + long(at), file.begin() + long(at + bytes));
        at += bytes;
    }
    if (at != file.size()) return std::nullopt;
    return sheet;
}
