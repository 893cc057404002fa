#include "render/screen_view.h"

#include <algorithm>
#include <tuple>

Box bounding(const Box& a, const Box& b) {
    if (a.width == 0 || a.height == 0) return b;
    if (b.width == 0 || b.height == 0) return a;
    const int x = std::min(a.x, b.x), y = std::min(a.y, b.y);
    return {x, y, std::max(a.x + a.width, b.x + b.width) - x, std::max(a.y + a.height, b.y + b.height) - y};
}

bool operator==(const Colour& a, const Colour& b) { return std::tie(a.r, a.g, a.b) == std::tie(b.r, b.g, b.b); }

bool operator==(const Sprite& a, const Sprite& b) { return std::tie(a.x, a.y, a.tile) == std::tie(b.x, b.y, b.tile); }

bool operator==(const SpriteLayer& a, const SpriteLayer& b) { return a.picture == b.picture && a.sprites == b.sprites; }

bool operator==(const Text& a, const Text& b) {
    return std::tie(a.font, a.colour, a.x, a.y, a.text) == std::tie(b.font, b.colour, b.x, b.y, b.text);
}

bool operator==(const ScreenView& a, const ScreenView& b) { return a.still == b.still && a.running == b.running; }
