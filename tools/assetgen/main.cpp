// Writes the game's assets into the directory given as the first argument: pictures into img/,
// sounds into sfx/ and the font into font/. The same input always gives the same bytes.
#include <cstdio>
#include <exception>
#include <filesystem>

#include "image_files.h"
#include "pictures.h"

namespace fs = std::filesystem;

namespace {

void write_pictures(const fs::path& img, Typeface& type) {
    write_png(img / "cellsheet.png", cell_sheet(20));
    write_png(img / "cellsheetbig.png", cell_sheet(40));
    write_png(img / "backdrop.png", backdrop(20, type));
    write_png(img / "backdropbig.png", backdrop(40, type));
    write_png(img / "columnhighlight.png", column_highlight());
    write_png(img / "cellhighlight.png", cell_highlight());
    write_bmp(img / "icon32.bmp", window_icon());
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
        fs::copy_file(argv[2], out / "font" / "dejavumonosansbold.ttf",
                      fs::copy_options::overwrite_existing);
        Typeface type(argv[2]);
        write_pictures(out / "img", type);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "assetgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
