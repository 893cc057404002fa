// Writes the game's assets into the directory given as the first argument.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

void put16(std::ofstream& out, unsigned value) {
    out.put(char(value & 0xFF));
    out.put(char((value >> 8) & 0xFF));
}

void put32(std::ofstream& out, unsigned value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

// A 32x32 24-bit BMP: a falling block over a dark tile.
void write_icon(const fs::path& path) {
    const int size = 32;
    std::ofstream out(path, std::ios::binary);
    const unsigned image_bytes = size * size * 3;
    out.write("BM", 2);
    put32(out, 54 + image_bytes);
    put32(out, 0);
    put32(out, 54);
    put32(out, 40);
    put32(out, size);
    put32(out, size);
    put16(out, 1);
    put16(out, 24);
    put32(out, 0);
    put32(out, image_bytes);
    put32(out, 2835);
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            bool block = x >= 8 && x < 24 && y >= 8 && y < 24;
            out.put(char(block ? 40 : 30));
            out.put(char(block ? 200 : 20));
            out.put(char(block ? 255 : 20));
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR FONT_FILE\n", argv[0]);
        return 2;
    }
    const fs::path out = argv[1];
    for (const char* dir : {"img", "sfx", "font"}) fs::create_directories(out / dir);
    fs::copy_file(argv[2], out / "font" / "dejavumonosansbold.ttf",
                  fs::copy_options::overwrite_existing);
    write_icon(out / "img" / "icon32.bmp");
    return 0;
}
