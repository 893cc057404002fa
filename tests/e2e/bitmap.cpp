#include "e2e/bitmap.h"

#include <fstream>
#include <iterator>

namespace {

constexpr uint32_t BI_RGB = 0;
constexpr uint32_t BI_BITFIELDS = 3;

uint32_t little_endian(const std::vector<uint8_t>& bytes, size_t at, int size) {
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | bytes[at + size_t(i)];
    return value;
}

uint8_t channel(uint32_t pixel, uint32_t mask) {
    if (mask == 0) return 0;
    int shift = 0;
    while (!(mask >> shift & 1)) ++shift;
    const uint32_t max = mask >> shift;
    return uint8_t(((pixel & mask) >> shift) * 255 / max);
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const Rgb& colour) {
    return out << '(' << int(colour.r) << ", " << int(colour.g) << ", " << int(colour.b) << ')';
}

std::optional<Bitmap> Bitmap::load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
    const uint32_t data_offset = little_endian(bytes, 10, 4);
    const int32_t width = int32_t(little_endian(bytes, 18, 4));
    const int32_t signed_height = int32_t(little_endian(bytes, 22, 4));
    const uint32_t bits = little_endian(bytes, 28, 2);
    const uint32_t compression = little_endian(bytes, 30, 4);
    const bool bottom_up = signed_height > 0;
    const int32_t height = bottom_up ? signed_height : -signed_height;
    if (width <= 0 || height <= 0 || (bits != 24 && bits != 32)) return std::nullopt;
    if (compression != BI_RGB && !(compression == BI_BITFIELDS && bits == 32)) return std::nullopt;

    // Bit fields follow the 40-byte header, or sit inside a longer one at the same place.
    uint32_t masks[3] = {0xFF0000, 0x00FF00, 0x0000FF};
    if (compression == BI_BITFIELDS)
        for (int i = 0; i < 3; ++i) masks[i] = little_endian(bytes, 54 + 4 * size_t(i), 4);

    const size_t bytes_per_pixel = bits / 8;
    const size_t stride = (size_t(width) * bytes_per_pixel + 3) / 4 * 4;
    if (bytes.size() < data_offset + stride * size_t(height)) return std::nullopt;

    Bitmap bitmap;
    bitmap.width_ = width;
    bitmap.height_ = height;
    bitmap.pixels_.resize(size_t(width) * size_t(height));
    for (int32_t row = 0; row < height; ++row) {
        const size_t stored_row = bottom_up ? size_t(height - 1 - row) : size_t(row);
        for (int32_t x = 0; x < width; ++x) {
            const size_t at = data_offset + stored_row * stride + size_t(x) * bytes_per_pixel;
            const uint32_t pixel = little_endian(bytes, at, int(bytes_per_pixel));
            bitmap.pixels_[size_t(row) * size_t(width) + size_t(x)] = {
                channel(pixel, masks[0]), channel(pixel, masks[1]), channel(pixel, masks[2])};
        }
    }
    return bitmap;
}
