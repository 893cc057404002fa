#include <string>

#include "look.h"
#include "pictures.h"

namespace {

constexpr int GUIDE_WIDTH = 80;
constexpr int SLOT = 80;
constexpr int LABEL_HEIGHT = 20;
constexpr int LABEL_FONT = 9;

struct Label {
    const char* keys;
    const char* turn;
};

// The game draws a piece slot above each label strip; strips and slots alternate from the
// bottom of the picture up, and the topmost slot lies above the picture itself.
Canvas guide(Typeface& type, const Label* labels, int count) {
    const int height = count * LABEL_HEIGHT + (count - 1) * SLOT;
    Canvas canvas(GUIDE_WIDTH, height, true);
    canvas.fill_rounded({0, 0, GUIDE_WIDTH, height}, 5, look::PANEL, 0.88);
    const int text_offset = (LABEL_HEIGHT - type.line_height(LABEL_FONT)) / 2;
    for (int i = 0; i < count; ++i) {
        const int strip_y = height - LABEL_HEIGHT - i * (LABEL_HEIGHT + SLOT);
        if (i + 1 < count) {
            const Rect slot{0, strip_y - SLOT, GUIDE_WIDTH, SLOT};
            canvas.fill(slot, look::WELL, 0.75);
            canvas.frame(slot, 1, look::PANEL_EDGE, 0.7);
        }
        const Rect pill{2, strip_y + 3, type.width(LABEL_FONT, labels[i].keys) + 8, LABEL_HEIGHT - 6};
        canvas.fill_rounded(pill, 3, look::PANEL_EDGE, 0.7);
        type.draw(canvas, LABEL_FONT, pill.x + 4, strip_y + text_offset, labels[i].keys, look::ACCENT);
        const std::string turn = labels[i].turn;
        type.draw(canvas, LABEL_FONT, GUIDE_WIDTH - 5 - type.width(LABEL_FONT, turn),
                  strip_y + text_offset, turn, look::CAPTION);
    }
    canvas.frame_rounded({0, 0, GUIDE_WIDTH, height}, 5, look::PANEL_EDGE);
    return canvas;
}

}  // namespace

// Both 40-key schemes share this picture, and they turn the upper and lower rows in opposite
// directions, so those two rows are labelled with the size of their turn only.
Canvas guide_40_keys(Typeface& type) {
    const Label labels[] = {{"Z-/", "90°"}, {"A-;", "0°"}, {"Q-P", "90°"}, {"1-0", "180°"}};
    return guide(type, labels, 4);
}

Canvas guide_10_keys(Typeface& type) {
    const Label labels[] = {{"R/O", "cw"}, {"E/I", "180°"}, {"W/U", "ccw"}};
    return guide(type, labels, 3);
}
