#include "render/text.h"

Box TextCache::draw(const Font& font, const SDL_Color& color, int x, int y, const std::string& text) {
    if (text.empty()) return {x, y};
    const Uint32 rgb = Uint32(color.r) << 16 | Uint32(color.g) << 8 | color.b;
    const Texture& line = lines_.get({&font, rgb, text}, [&] {
        const std::optional<Pixels> rendered = font.render(text, color);
        return rendered ? Texture(*rendered, true) : Texture();
    });
    line.draw(float(x), float(y));
    return {x, y, line.width(), line.height()};
}
