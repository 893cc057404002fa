#include "render/screen.h"

#include "render/layout.h"

namespace {

constexpr Box WHOLE_WINDOW = {0, 0, layout::WINDOW_WIDTH, layout::WINDOW_HEIGHT};

// The cell sheets' tiles are a cell square.
SDL_Rect tile_rect(Picture sheet, int tile) {
    const int size = sheet == Picture::BigCellSheet ? layout::BIG_CELL : layout::CELL;
    return {Sint16(tile * size), 0, Uint16(size), Uint16(size)};
}

SDL_Color sdl_color(const Colour& colour) { return {colour.r, colour.g, colour.b, 0}; }

}  // namespace

Screen::Screen() : copy_(layout::WINDOW_WIDTH, layout::WINDOW_HEIGHT), changed_(WHOLE_WINDOW) {}

bool Screen::draw(const ScreenView& view) {
    if (shown_ && *shown_ == view) return false;
    if (view.running.empty()) {
        // Nothing changes on top of the still layers: the copy would only add a blit.
        draw_layers(view.still);
        running_boxes_.clear();
        changed_ = WHOLE_WINDOW;
    } else if (presenter_.keeps_back_buffer() && copy_.usable() && shown_ && !shown_->running.empty() &&
               shown_->still == view.still) {
        // The back buffer holds the frame before, whose still layers the copy holds too.
        Box changed = {0, 0};
        for (const Box& box : running_boxes_) {
            copy_.put(box);
            changed = bounding(changed, box);
        }
        changed_ = draw_running(view.running, changed);
    } else {
        if (!copy_.usable() || !copied_ || *copied_ != view.still) {
            copy_.draw_into();
            draw_layers(view.still);
            if (copy_.usable()) copied_ = view.still;
        }
        copy_.put(WHOLE_WINDOW);
        draw_running(view.running, {0, 0});
        changed_ = WHOLE_WINDOW;
    }
    shown_ = view;
    return true;
}

void Screen::draw_layers(const std::vector<Layer>& layers) {
    for (const Layer& layer : layers) {
        if (const Text* text = std::get_if<Text>(&layer)) {
            still_texts_.draw(resources_.font(text->font), sdl_color(text->colour), text->x, text->y, text->text);
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

Box Screen::draw_running(const std::vector<Text>& running, Box changed) {
    running_boxes_.clear();
    for (const Text& text : running) {
        running_boxes_.push_back(
            running_texts_.draw(resources_.font(text.font), sdl_color(text.colour), text.x, text.y, text.text));
        changed = bounding(changed, running_boxes_.back());
    }
    running_texts_.end_frame();
    return changed;
}
