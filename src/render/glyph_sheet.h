// GlyphSheet: one size of the game's typeface as the asset generator renders it with SDL_ttf,
// for a browser, whose SDL draws text with the page's fonts instead: each printable ASCII
// character alone as blended text (its coverage, 0 to 255, a byte a pixel), the advance from one
// character to the next, and how far each glyph reaches left of its pen. A line put together
// from them, each glyph ORed into place as SDL_ttf does, has the pixels SDL_ttf gives the line.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct GlyphSheet {
    static constexpr char FIRST = ' ', LAST = '~';
    struct Glyph {
        int width = 0;
        int lead = 0;                   // pixels of the glyph left of its pen, before the line's start
        std::vector<uint8_t> coverage;  // height rows of width, top row first
    };
    int height = 0, advance = 0;
    std::array<Glyph, LAST - FIRST + 1> glyphs;

    const Glyph& glyph(char c) const { return glyphs[size_t((c < FIRST || c > LAST ? ' ' : c) - FIRST)]; }
};

// A line of text as coverage: `height` rows of `width` bytes, top row first.
struct LineCoverage {
    int width = 0, height = 0;
    std::vector<uint8_t> coverage;
};
// Characters outside the sheet show as spaces; an empty line is 0 wide.
LineCoverage line_coverage(const GlyphSheet& sheet, const std::string& text);

// The file the asset generator writes: a header of numbers in text, then the coverage bytes.
std::string glyph_sheet_text(const GlyphSheet& sheet);
std::optional<GlyphSheet> parse_glyph_sheet(const std::string& file);
