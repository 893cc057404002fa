#include <string>

#include "input/rotation_guide.h"
#include "look.h"
#include "pictures.h"

namespace {

constexpr int LABEL_FONT = 9;

// The game draws a piece in each slot; the topmost slot lies above the picture itself.
Canvas guide(Typeface& type, const RotationGuide& description) {
    const int width = layout::GUIDE_WIDTH, strip_height = layout::GUIDE_STRIP_HEIGHT;
    const int height = layout::guide_picture_height(description.strips);
    Canvas canvas(width, height, true);
    canvas.fill_rounded({0, 0, width, height}, 5, look::PANEL, 0.88);
    const int text_offset = (strip_height - type.line_height(LABEL_FONT)) / 2;
    for (int i = 0; i < description.strips; ++i) {
        const GuideStrip& strip = description.strip[size_t(i)];
        // Canvas rows count down from the top.
        const int strip_y = height - layout::guide_slot_rise(i);
        if (i + 1 < description.strips) {
            const Rect slot{0, strip_y - layout::GUIDE_SLOT_HEIGHT, width, layout::GUIDE_SLOT_HEIGHT};
            canvas.fill(slot, look::WELL, 0.75);
            canvas.frame(slot, 1, look::PANEL_EDGE, 0.7);
        }
        const Rect pill{2, strip_y + 3, type.width(LABEL_FONT, strip.keys) + 8, strip_height - 6};
        canvas.fill_rounded(pill, 3, look::PANEL_EDGE, 0.7);
        type.draw(canvas, LABEL_FONT, pill.x + 4, strip_y + text_offset, strip.keys, look::ACCENT);
        const std::string turn = strip.turn;
        type.draw(canvas, LABEL_FONT, width - 5 - type.width(LABEL_FONT, turn), strip_y + text_offset, turn,
                  look::CAPTION);
    }
    canvas.frame_rounded({0, 0, width, height}, 5, look::PANEL_EDGE);
    return canvas;
}

}  // namespace

Canvas guide_40_keys(Typeface& type) { return guide(type, FORTY_KEY_GUIDE); }

Canvas guide_10_keys(Typeface& type) { return guide(type, TEN_KEY_GUIDE); }
