#include "canvas.h"

#include <algorithm>
#include <cmath>

Rgb lighten(Rgb c, double amount) {
    return {c.r + (255 - c.r) * amount, c.g + (255 - c.g) * amount, c.b + (255 - c.b) * amount};
}

Rgb darken(Rgb c, double factor) { return {c.r * factor, c.g * factor, c.b * factor}; }

Rgb mix(Rgb a, Rgb b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }

Rect inset(Rect r, int by) { return {r.x + by, r.y + by, r.w - 2 * by, r.h - 2 * by}; }

Canvas::Canvas(int width, int height, bool keeps_alpha)
    : width_(width), height_(height), keeps_alpha_(keeps_alpha), rgba_(size_t(width) * size_t(height) * 4, 0.0) {
    // An opaque picture starts black and fully covered, so that blending onto it stays opaque.
    if (!keeps_alpha_) {
        for (size_t i = 3; i < rgba_.size(); i += 4) rgba_[i] = 1.0;
    }
}

void Canvas::blend(int x, int y, Rgb c, double alpha) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || alpha <= 0) return;
    alpha = std::min(alpha, 1.0);
    double* p = &rgba_[(size_t(y) * size_t(width_) + size_t(x)) * 4];
    const double below = p[3] * (1 - alpha);
    const double out = alpha + below;
    p[0] = (c.r * alpha + p[0] * below) / out;
    p[1] = (c.g * alpha + p[1] * below) / out;
    p[2] = (c.b * alpha + p[2] * below) / out;
    p[3] = out;
}

Rgb Canvas::color_at(int x, int y) const {
    const double* p = &rgba_[(size_t(y) * size_t(width_) + size_t(x)) * 4];
    return {p[0], p[1], p[2]};
}

double Canvas::alpha_at(int x, int y) const { return rgba_[(size_t(y) * size_t(width_) + size_t(x)) * 4 + 3]; }

void Canvas::fill(Rect r, Rgb c, double alpha) {
    for (int y = r.y; y < r.y + r.h; ++y)
        for (int x = r.x; x < r.x + r.w; ++x) blend(x, y, c, alpha);
}

void Canvas::vertical_gradient(Rect r, Rgb top, Rgb bottom, double alpha) {
    for (int y = r.y; y < r.y + r.h; ++y) {
        const double t = r.h > 1 ? double(y - r.y) / (r.h - 1) : 0.0;
        fill({r.x, y, r.w, 1}, mix(top, bottom, t), alpha);
    }
}

void Canvas::frame(Rect r, int thickness, Rgb c, double alpha) {
    fill({r.x, r.y, r.w, thickness}, c, alpha);
    fill({r.x, r.y + r.h - thickness, r.w, thickness}, c, alpha);
    fill({r.x, r.y + thickness, thickness, r.h - 2 * thickness}, c, alpha);
    fill({r.x + r.w - thickness, r.y + thickness, thickness, r.h - 2 * thickness}, c, alpha);
}

// Coverage of pixel (x, y) by the rounded rectangle, sampled 4x4 inside the pixel.
double Canvas::coverage_rounded(Rect r, double radius, int x, int y) const {
    int inside = 0;
    for (int sy = 0; sy < 4; ++sy) {
        for (int sx = 0; sx < 4; ++sx) {
            const double px = x + (sx + 0.5) / 4;
            const double py = y + (sy + 0.5) / 4;
            const double cx = std::clamp(px, r.x + radius, r.x + r.w - radius);
            const double cy = std::clamp(py, r.y + radius, r.y + r.h - radius);
            const double dx = px - cx;
            const double dy = py - cy;
            if (px >= r.x && px <= r.x + r.w && py >= r.y && py <= r.y + r.h && dx * dx + dy * dy <= radius * radius)
                ++inside;
        }
    }
    return inside / 16.0;
}

void Canvas::fill_rounded(Rect r, double radius, Rgb c, double alpha) {
    for (int y = r.y; y < r.y + r.h; ++y)
        for (int x = r.x; x < r.x + r.w; ++x) blend(x, y, c, alpha * coverage_rounded(r, radius, x, y));
}

void Canvas::frame_rounded(Rect r, double radius, Rgb c, double alpha) {
    const Rect inner = inset(r, 1);
    for (int y = r.y; y < r.y + r.h; ++y) {
        for (int x = r.x; x < r.x + r.w; ++x) {
            const double ring =
                coverage_rounded(r, radius, x, y) - coverage_rounded(inner, std::max(0.0, radius - 1), x, y);
            blend(x, y, c, alpha * std::max(0.0, ring));
        }
    }
}

void Canvas::draw(const Canvas& src, int x, int y, double alpha) {
    for (int sy = 0; sy < src.height_; ++sy)
        for (int sx = 0; sx < src.width_; ++sx)
            blend(x + sx, y + sy, src.color_at(sx, sy), alpha * src.alpha_at(sx, sy));
}

std::vector<uint8_t> Canvas::to_bytes() const {
    const int channels = keeps_alpha_ ? 4 : 3;
    std::vector<uint8_t> out;
    out.reserve(size_t(width_) * size_t(height_) * size_t(channels));
    auto byte = [](double v) { return uint8_t(std::lround(std::clamp(v, 0.0, 255.0))); };
    for (size_t i = 0; i < rgba_.size(); i += 4) {
        out.push_back(byte(rgba_[i]));
        out.push_back(byte(rgba_[i + 1]));
        out.push_back(byte(rgba_[i + 2]));
        if (keeps_alpha_) out.push_back(byte(rgba_[i + 3] * 255));
    }
    return out;
}
