#include "image_files.h"

#include <png.h>

#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace {

struct PngWriter {
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~PngWriter() { png_destroy_write_struct(&png, &info); }
};

void fail(const std::filesystem::path& path) { throw std::runtime_error("cannot write " + path.string()); }

void put16(std::ofstream& out, unsigned value) {
    out.put(char(value & 0xFF));
    out.put(char((value >> 8) & 0xFF));
}

void put32(std::ofstream& out, unsigned value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

}  // namespace

void write_png(const std::filesystem::path& path, const Canvas& canvas) {
    const std::vector<uint8_t> bytes = canvas.to_bytes();
    const size_t stride = size_t(canvas.width()) * (canvas.keeps_alpha() ? 4 : 3);
    std::vector<png_bytep> rows;
    for (int y = 0; y < canvas.height(); ++y) rows.push_back(const_cast<png_bytep>(bytes.data() + size_t(y) * stride));

    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) fail(path);
    PngWriter w;
    w.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (w.png) w.info = png_create_info_struct(w.png);
    if (!w.info || setjmp(png_jmpbuf(w.png))) {
        std::fclose(file);
        fail(path);
    }
    png_init_io(w.png, file);
    png_set_IHDR(w.png, w.info, png_uint_32(canvas.width()), png_uint_32(canvas.height()), 8,
                 canvas.keeps_alpha() ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(w.png, w.info);
    png_write_image(w.png, rows.data());
    png_write_end(w.png, nullptr);
    if (std::fclose(file) != 0) fail(path);
}

void write_bmp(const std::filesystem::path& path, const Canvas& canvas) {
    const unsigned w = unsigned(canvas.width());
    const unsigned h = unsigned(canvas.height());
    const unsigned stride = (w * 3 + 3) / 4 * 4;
    const std::vector<uint8_t> bytes = canvas.to_bytes();
    const size_t channels = canvas.keeps_alpha() ? 4 : 3;
    std::ofstream out(path, std::ios::binary);
    out.write("BM", 2);
    put32(out, 54 + stride * h);
    put32(out, 0);
    put32(out, 54);
    put32(out, 40);
    put32(out, w);
    put32(out, h);
    put16(out, 1);
    put16(out, 24);
    put32(out, 0);
    put32(out, stride * h);
    put32(out, 2835);
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
    // BMP rows run bottom-up, each pixel blue first.
    for (unsigned y = h; y-- > 0;) {
        for (unsigned x = 0; x < w; ++x) {
            const uint8_t* p = &bytes[(size_t(y) * w + x) * channels];
            out.put(char(p[2]));
            out.put(char(p[1]));
            out.put(char(p[0]));
        }
        for (unsigned pad = w * 3; pad < stride; ++pad) out.put(0);
    }
    if (!out) fail(path);
}
