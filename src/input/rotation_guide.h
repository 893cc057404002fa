// RotationGuide: what a control scheme's rotation guide beside the active piece says. From the
// bottom of the guide up, one strip for each row of keys that drops the piece turned, naming the
// keys and their turn, with a slot above the strip for the piece as that row turns it. The
// asset generator draws the guide's picture from this, and the game screen puts the pieces in
// its slots.
#pragma once

#include <array>

struct GuideStrip {
    const char* keys;
    const char* turn;
    // Which of the scheme's guide pieces (ControlScheme::guide_pieces) the slot above shows.
    int piece;
};

struct RotationGuide {
    int strips;
    std::array<GuideStrip, 4> strip;
    // Where the picture's bottom edge stands, in window pixels.
    int picture_y;
};

inline constexpr RotationGuide TEN_KEY_GUIDE = {3, {{{"R/O", "cw", 2}, {"E/I", "180°", 1}, {"W/U", "ccw", 0}}}, 70};
// Both 40-key schemes share it, and they turn the upper and lower rows in opposite directions,
// so those two rows are labelled with the size of their turn only.
inline constexpr RotationGuide FORTY_KEY_GUIDE = {
    4, {{{"Z-/", "90°", 3}, {"A-;", "0°", 0}, {"Q-P", "90°", 1}, {"1-0", "180°", 2}}}, 10};
