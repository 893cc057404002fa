#include "render/screen.h"

#include "render/layout.h"

namespace {

// The cell sheets' tiles are a cell square.
SDL_Rect tile_rect(Picture sheet, int tile) {
    const int size = sheet == Picture::BigCellSheet ? layout::BIG_CELL : layout::CELL;
    return {Sint16(tile * size), 0, Uint16(size), Uint16(size)};
}

}  // namespace

Screen::Screen() : copy_(layout::WINDOW_WIDTH, layout::WINDOW_HEIGHT) {}

bool Screen::draw(const ScreenView& view) {
    if (shown_ && *shown_ == view) return false;
    if (view.running.empty()) {
        // Nothing changes on top of the still layers: the copy would only add a blit.
        draw_layers(view.still);
    } else {
        if (!copy_.usable() || !copied_ || !(*copied_ == view.still)) {
            copy_.draw_into();
            draw_layers(view.still);
            if (copy_.usable()) copied_ = view.still;
        }
        copy_.put();
        for (const Text& text : view.running) draw_text(running_texts_, text);
        running_texts_.end_frame();
    }
    shown_ = view;
    return true;
}

void Screen::draw_layers(const std::vector<Layer>& layers) {
    for (const Layer& layer : layers) {
        if (const Text* text = std::get_if<Text>(&layer)) {
            draw_text(still_texts_, *text);
            continue;
        }
        const SpriteLayer& sprites = std::get<SpriteLayer>(layer);
        const Texture& picture = resources_.picture(sprites.picture);
        SpriteBatch batch(picture);
        for (const Sprite& sprite : sprites.sprites)
            batch.add(sprite.tile == WHOLE_PICTURE ? picture.area() : tile_rect(sprites.picture, sprite.tile),
                      float(sprite.x), float(sprite.y));
    }
    still_texts_.end_frame();
}

void Screen::draw_text(TextCache& cache, const Text& text) {
    const SDL_Color colour = {text.colour.r, text.colour.g, text.colour.b, 0};
    cache.draw(resources_.font(text.font), colour, float(text.x), float(text.y), text.text);
}
