// Writes the game's assets into the directory given as the first argument: pictures into img/,
// sounds into sfx/ and the font into font/. The same input always gives the same bytes.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "image_files.h"
#include "ogg_file.h"
#include "pictures.h"
#include "render/layout.h"
#include "sounds.h"

namespace fs = std::filesystem;

namespace {

// Fixed stream serial numbers keep the sound files identical from build to build.
constexpr int DROP_SERIAL_BASE = 1000;
constexpr int NAMED_SERIAL_BASE = 2000;

void write_pictures(const fs::path& img, Typeface& type) {
    write_png(img / "cellsheet.png", cell_sheet(layout::CELL));
    write_png(img / "cellsheetbig.png", cell_sheet(layout::BIG_CELL));
    write_png(img / "backdrop.png", backdrop(layout::CELL, type));
    write_png(img / "backdropbig.png", backdrop(layout::BIG_CELL, type));
    write_png(img / "columnhighlight.png", column_highlight());
    write_png(img / "menuscreen.png", menu_screen(type));
    write_png(img / "optionsscreen.png", options_screen(type));
    write_png(img / "creditsscreen.png", credits_screen(type));
    write_png(img / "guide10keys.png", guide_10_keys(type));
    write_png(img / "guide40keys.png", guide_40_keys(type));
    write_png(img / "cellhighlight.png", cell_highlight());
    write_bmp(img / "icon32.bmp", window_icon());
    // Desktop environments take PNG icons for the installed menu entry, a large one too.
    write_png(img / "icon32.png", window_icon());
    write_png(img / "icon128.png", window_icon(128));
}

void write_sounds(const fs::path& sfx) {
    for (int column = 0; column < DROP_COLUMNS; ++column) {
        for (int lines = 0; lines < DROP_VARIANTS; ++lines) {
            const std::string name = std::to_string(column) + char('a' + lines) + ".ogg";
            write_ogg(sfx / name, drop_sound(column, lines), drop_pan(column),
                      DROP_SERIAL_BASE + column * DROP_VARIANTS + lines);
        }
    }
    int serial = NAMED_SERIAL_BASE;
    for (const NamedSound& sound : named_sounds())
        write_ogg(sfx / (std::string(sound.name) + ".ogg"), sound.make(), 0.0, serial++);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR FONT_FILE\n", argv[0]);
        return 2;
    }
    try {
        const fs::path out = argv[1];
        for (const char* dir : {"img", "sfx", "font"}) fs::create_directories(out / dir);
        fs::copy_file(argv[2], out / layout::FONT_FILE, fs::copy_options::overwrite_existing);
        Typeface type(argv[2]);
        write_pictures(out / "img", type);
        write_sounds(out / "sfx");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "assetgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
