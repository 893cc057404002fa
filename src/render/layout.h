// The screen layout that the game, the asset generator and the end-to-end tests all agree on.
// Positions are window pixels with the origin at the bottom-left corner and y growing upward;
// every position is a bottom-left corner.
#pragma once

namespace layout {

constexpr int WINDOW_WIDTH = 640;
constexpr int WINDOW_HEIGHT = 480;

// The playfield: 10 x 20 cells of 20 pixels, or 5 x 10 of 40 in big mode.
constexpr int FIELD_X = 220;
constexpr int FIELD_Y = 40;
constexpr int FIELD_WIDTH = 200;
constexpr int FIELD_HEIGHT = 400;
constexpr int CELL = 20;
constexpr int BIG_CELL = 40;

// Key legend labels under the field, roughly centred under their column.
constexpr int LEGEND_Y = 20;
constexpr int LEGEND_INSET = 7;
constexpr int BIG_LEGEND_INSET = 14;

// Piece boxes, four cells wide: the active piece, the held piece, the preview queue downward.
constexpr int ACTIVE_PIECE_X = 440;
constexpr int ACTIVE_PIECE_Y = 389;
constexpr int HOLD_PIECE_X = 120;
constexpr int PREVIEW_X = 540;
constexpr int PREVIEW_SPACING = 41;

// Statistics, ten characters each, top to bottom: time, pieces, lines, TPM, keys, KPT.
constexpr int STATISTIC_X = 125;
constexpr int TIMER_Y = 245;
constexpr int PIECES_Y = 205;
constexpr int LINES_Y = 165;
constexpr int TPM_Y = 125;
constexpr int KEYS_Y = 85;
constexpr int KPT_Y = 45;

// The settings summary: lines 20 pixels apart going down from SUMMARY_Y + 140.
constexpr int SUMMARY_X = 0;
constexpr int SUMMARY_Y = 320;
constexpr int SUMMARY_SPACING = 20;
constexpr int COUNTDOWN_X = 232;
constexpr int COUNTDOWN_Y = 220;
constexpr int VERSION_X = 0;
constexpr int VERSION_Y = 0;

// Rotation guides beside the active piece (input/rotation_guide.h): label strips and piece slots
// taking turns from the bottom of the picture up; the topmost slot lies above the picture.
constexpr int GUIDE_WIDTH = 80;
constexpr int GUIDE_STRIP_HEIGHT = 20;
constexpr int GUIDE_SLOT_HEIGHT = 80;
constexpr int guide_picture_height(int strips) {
    return strips * GUIDE_STRIP_HEIGHT + (strips - 1) * GUIDE_SLOT_HEIGHT;
}
// The bottom of the slot above a strip, counted from the bottom of the picture.
constexpr int guide_slot_rise(int strip) {
    return GUIDE_STRIP_HEIGHT + strip * (GUIDE_STRIP_HEIGHT + GUIDE_SLOT_HEIGHT);
}
// The axis markers of a slot: four cells high, fewer where the active-piece display above it
// leaves less room.
constexpr int guide_markers(int slot_y) {
    return slot_y + 4 * CELL <= ACTIVE_PIECE_Y ? 4 : (ACTIVE_PIECE_Y - slot_y) / CELL;
}

// Main menu entries, 20 pixels apart, the last ("Quit") lowest.
constexpr int MAIN_MENU_X = 265;
constexpr int MAIN_MENU_Y = 180;
constexpr int MAIN_MENU_SPACING = 20;

// The options lines: see options_layout.h.
constexpr int OPTIONS_X = 40;
constexpr int OPTIONS_Y = 120;
constexpr int OPTIONS_INFO_X = 40;
constexpr int OPTIONS_INFO_TOP_Y = 85;
constexpr int OPTIONS_INFO_SPACING = 15;

}  // namespace layout
