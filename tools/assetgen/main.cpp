// Writes the game's assets into the directory given as the first argument, under the names that
// render/asset_files.h gives them: the pictures, the sounds and a copy of the font; with
// --glyphs first, the glyph sheets a browser's build sets its text from instead. The same input
// always gives the same bytes.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>

#include "image_files.h"
#include "ogg_file.h"
#include "pictures.h"
#include "render/asset_files.h"
#include "render/layout.h"
#include "sounds.h"

namespace fs = std::filesystem;

namespace {

// Fixed stream serial numbers keep the sound files identical from build to build.
constexpr int DROP_SERIAL_BASE = 1000;
constexpr int NAMED_SERIAL_BASE = 2000;

using namespace asset_files;

// Where a file goes under the output folder, whose folder is made first.
fs::path place(const fs::path& out, const std::string& file) {
    fs::create_directories((out / file).parent_path());
    return out / file;
}

void write_pictures(const fs::path& out, Typeface& type) {
    write_png(place(out, CELL_SHEET), cell_sheet(layout::CELL));
    write_png(place(out, BIG_CELL_SHEET), cell_sheet(layout::BIG_CELL));
    write_png(place(out, BACKDROP), backdrop(layout::CELL, type));
    write_png(place(out, BIG_BACKDROP), backdrop(layout::BIG_CELL, type));
    write_png(place(out, COLUMN_HIGHLIGHT), column_highlight());
    write_png(place(out, MENU_SCREEN), menu_screen(type));
    write_png(place(out, OPTIONS_SCREEN), options_screen(type));
    write_png(place(out, CREDITS_SCREEN), credits_screen(type));
    write_png(place(out, GUIDE_10_KEYS), guide_10_keys(type));
    write_png(place(out, GUIDE_40_KEYS), guide_40_keys(type));
    write_png(place(out, CELL_HIGHLIGHT), cell_highlight());
    write_bmp(place(out, WINDOW_ICON), window_icon());
    write_png(place(out, MENU_ICON), window_icon());
    write_png(place(out, LARGE_MENU_ICON), window_icon(128));
}

void write_sounds(const fs::path& out) {
    for (int column = 0; column < DROP_SOUND_COLUMNS; ++column) {
        for (int lines = 0; lines < DROP_SOUND_LINES; ++lines) {
            write_ogg(place(out, drop_sound_file(column, lines)), drop_sound(column, lines), drop_pan(column),
                      DROP_SERIAL_BASE + column * DROP_SOUND_LINES + lines);
        }
    }
    int serial = NAMED_SERIAL_BASE;
    for (const SoundFile& file : SOUND_FILES) write_ogg(place(out, file.file), event_sound(file.sound), 0.0, serial++);
}

void write_glyph_sheets(const fs::path& out, Typeface& type) {
    for (int points : FONT_POINTS)
        std::ofstream(place(out, glyph_sheet_file(points)), std::ios::binary)
            << glyph_sheet_text(type.glyph_sheet(points));
}

}  // namespace

int main(int argc, char** argv) {
    const bool glyphs = argc == 4 && std::string(argv[1]) == "--glyphs";
    if (argc != 3 && !glyphs) {
        std::fprintf(stderr, "usage: %s [--glyphs] OUTPUT_DIR FONT_FILE\n", argv[0]);
        return 2;
    }
    try {
        const fs::path out = argv[argc - 2];
        Typeface type(argv[argc - 1]);
        if (glyphs) {
            write_glyph_sheets(out, type);
            return 0;
        }
        fs::copy_file(argv[2], place(out, FONT), fs::copy_options::overwrite_existing);
        write_pictures(out, type);
        write_sounds(out);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "assetgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
