// Canvas: a floating-point RGBA raster in image coordinates (row 0 at the top) with the few
// drawing operations the pictures need; Rgb and Rect are its colour and rectangle values.
#pragma once

#include <cstdint>
#include <vector>

// Channels 0..255, kept as doubles so that blending many layers loses nothing before rounding.
struct Rgb {
    double r = 0;
    double g = 0;
    double b = 0;
};

Rgb lighten(Rgb c, double amount);
Rgb darken(Rgb c, double factor);
Rgb mix(Rgb a, Rgb b, double t);

// x, y is the top-left corner in image pixels.
struct Rect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
};

Rect inset(Rect r, int by);

class Canvas {
public:
    Canvas(int width, int height, bool keeps_alpha);

    int width() const { return width_; }
    int height() const { return height_; }
    bool keeps_alpha() const { return keeps_alpha_; }

    // Source-over blend of one pixel; pixels outside the canvas are ignored.
    void blend(int x, int y, Rgb c, double alpha);
    Rgb color_at(int x, int y) const;
    double alpha_at(int x, int y) const;

    void fill(Rect r, Rgb c, double alpha = 1.0);
    void vertical_gradient(Rect r, Rgb top, Rgb bottom, double alpha = 1.0);
    void frame(Rect r, int thickness, Rgb c, double alpha = 1.0);
    // Anti-aliased corners of the given radius.
    void fill_rounded(Rect r, double radius, Rgb c, double alpha = 1.0);
    void frame_rounded(Rect r, double radius, Rgb c, double alpha = 1.0);
    // Blends another canvas onto this one with its top-left corner at (x, y).
    void draw(const Canvas& src, int x, int y, double alpha = 1.0);

    // 8-bit RGB or RGBA rows, top row first: what PNG and BMP writers want.
    std::vector<uint8_t> to_bytes() const;

private:
    double coverage_rounded(Rect r, double radius, int x, int y) const;

    int width_;
    int height_;
    bool keeps_alpha_;
    std::vector<double> rgba_;
};
