#include "app/menutext.h"

#include "app/menu.h"
#include "model/gamestate.h"

namespace {

std::string enabled(bool on) { return on ? "Enabled" : "Disabled"; }

bool bastet_chosen(const GameState& state) { return state.randomizer->get_name() == BASTET_RANDOMIZER_NAME; }

std::string game_mode_name(int mode) {
    switch (mode) {
        case GAME_MODE_40_LINES: return "40 Lines";
        case GAME_MODE_2_MINUTES: return "2 Minutes";
        case GAME_MODE_ENDLESS: return "Endless";
        default: return "";
    }
}

using Info = std::array<std::string, 4>;

Info randomizer_info(const std::string& name) {
    if (name == BAG_RANDOMIZER_NAME) return {"Gives one of each piece before shuffling the piece \"bag\" again"};
    if (name == HISTORY6_RANDOMIZER_NAME)
        return {"4-piece history, with 6 rolls - less likely to receive recent pieces"};
    if (name == RANDOM_RANDOMIZER_NAME) return {"Totally random piece generator"};
    if (name == ICHEAT_RANDOMIZER_NAME) return {"I pieces only"};
    if (name == BASTET_RANDOMIZER_NAME)
        return {"Bastard randomizer that tries to deal you unfavorable pieces",
                "* Forces number of piece previews to 0", "* Disables hold piece"};
    return {};
}

Info input_info(const std::string& name) {
    if (name == INKDROP_INPUT_NAME)
        return {"Simulates Inkdrop input", "ASDFGHJKL; drops pieces",
                "W and U rotate ccw, E and I rotate 180, R and O rotate cw", "Space bar holds active piece"};
    if (name == QUARTZ_RAIN_INPUT_NAME)
        return {"Simulates Quartz Rain input",
                "Home row drops pieces in initial orientation, upper row drops rotated ccw,",
                "lower row drops rotated cw, number row drops rotated 180", "Space bar holds active piece"};
    if (name == QUARTZ_RAIN_INVERSE_INPUT_NAME)
        return {"Simulates Quartz Rain input, with upper and lower rows switched",
                "Home row drops pieces in initial orientation, upper row drops rotated cw,",
                "lower row drops rotated ccw, number row drops rotated 180", "Space bar holds active piece"};
    return {};
}

Info placement_info(const std::string& name) {
    const std::string lowest = "Only considers cells in the lowest row of the piece";
    const std::string leftmost = "Dropping in a column places the leftmost cell of the piece in that column";
    const std::string rightmost = "Dropping in a column places the rightmost cell of the piece in that column";
    if (name == LEFT_PIECE_MASK_NAME) return {leftmost};
    if (name == CENTER_PIECE_MASK_NAME)
        return {"Dropping in a column places the \"center\" cell of the piece in that column"};
    if (name == RIGHT_PIECE_MASK_NAME) return {rightmost};
    if (name == LEFT_LOWEST_PIECE_MASK_NAME) return {leftmost, lowest};
    if (name == RIGHT_LOWEST_PIECE_MASK_NAME) return {rightmost, lowest};
    return {};
}

}  // namespace

std::string option_line(int index, const GameState& state) {
    switch (index) {
        case OPTION_GAME_MODE: return "Game Mode: " + game_mode_name(state.game_mode);
        case OPTION_BIG_MODE: return "Big Mode: " + enabled(state.big_mode);
        case OPTION_RANDOMIZER: return "Randomizer: " + state.randomizer->get_name();
        case OPTION_PRACTICE_MODE: return "Practice Mode: " + enabled(state.practice_mode);
        case OPTION_CONTROL_SCHEME: return "Control Scheme: " + state.input_type->get_name();
        case OPTION_PLACEMENT_SYSTEM: return "Placement System: " + state.piece_mask_type->get_name();
        case OPTION_DEEP_DROP: return "Deep Drop: " + enabled(state.deep_drop);
        case OPTION_INITIAL_ORIENTATION: return std::string("Initial Orientation: ") + (state.ars ? "ARS" : "SRS");
        case OPTION_COLUMN_CLAMPING: return "Column Clamping: " + enabled(state.column_clamp);
        case OPTION_HOLD: return "Hold: " + enabled(state.hold_allowed);
        case OPTION_DOUBLE_HOLD: return "Double Hold: " + enabled(state.double_hold);
        case OPTION_HOLD_ORIENTATION: return "Hold Orientation: " + enabled(state.hold_orient);
        case OPTION_PIECE_PREVIEWS: return "Piece Previews: " + std::to_string(state.piece_previews);
        case OPTION_ROTATION_GUIDE: return "Rotation Guide: " + enabled(state.rotation_guide);
        case OPTION_SOUND: return "Sound: " + enabled(state.sound);
        case OPTION_MUSIC_MODE: return "Music Mode: " + enabled(state.music_mode);
        case OPTION_AUTO_SCREENSHOT: return "Auto Screenshot: " + enabled(state.auto_screenshot);
        case OPTION_RESTORE_DEFAULTS: return "Restore Default Settings";
        case OPTION_SAVE_SETTINGS: return "Save Settings";
        case OPTION_RETURN: return "Return to Main Menu";
        default: return "";
    }
}

bool option_locked(int index, const GameState& state) {
    return (index == OPTION_HOLD || index == OPTION_PIECE_PREVIEWS) && bastet_chosen(state);
}

std::array<std::string, 4> option_info(int index, const GameState& state) {
    switch (index) {
        case OPTION_GAME_MODE:
            switch (state.game_mode) {
                case GAME_MODE_40_LINES: return {"How fast can you clear 40 lines?"};
                case GAME_MODE_2_MINUTES: return {"How many lines can you clear in 2 minutes?"};
                case GAME_MODE_ENDLESS: return {"Game never ends"};
                default: return {};
            }
        case OPTION_BIG_MODE:
            return {state.big_mode ? "5x10 playfield, pieces are twice the size" : "10x20 playfield, normal piece size"};
        case OPTION_RANDOMIZER: return randomizer_info(state.randomizer->get_name());
        case OPTION_PRACTICE_MODE:
            return {state.practice_mode ? "Press backspace to undo your last piece drop" : "Undo disabled"};
        case OPTION_CONTROL_SCHEME: return input_info(state.input_type->get_name());
        case OPTION_PLACEMENT_SYSTEM: return placement_info(state.piece_mask_type->get_name());
        case OPTION_DEEP_DROP:
            return {state.deep_drop ? "Pieces can drop through other pieces" : "Pieces are stopped by other pieces"};
        case OPTION_INITIAL_ORIENTATION:
            return {state.ars ? "Piece colors and spawn orientations as in Arika's TGM series"
                              : "Piece colors and spawn orientations as guideline Tetris games"};
        case OPTION_COLUMN_CLAMPING:
            return {state.column_clamp ? "Trying to drop a piece outside the playfield drops in the nearest valid column"
                                       : "Trying to drop a piece outside the playfield does nothing"};
        case OPTION_HOLD:
            if (state.hold_allowed) return {"Hold piece is enabled"};
            return {"Hold piece is completely disabled",
                    bastet_chosen(state) ? "* No hold allowed for Bastet randomizer" : ""};
        case OPTION_DOUBLE_HOLD:
            return {state.double_hold ? "Can swap active piece and held piece freely" : "Hold is only allowed once per piece"};
        case OPTION_HOLD_ORIENTATION:
            return {state.hold_orient ? "Held piece will retain applied orientation"
                                      : "Held piece always maintains spawn orientation"};
        case OPTION_PIECE_PREVIEWS:
            return {"Number of piece previews to show",
                    bastet_chosen(state) ? "* No piece previews allowed for Bastet randomizer" : ""};
        case OPTION_ROTATION_GUIDE: return {"Toggles a guide showing the axis column and rotations for the active piece"};
        case OPTION_SOUND: return {"Toggles sound"};
        case OPTION_MUSIC_MODE: return {"Mode where no pieces are actually dropped--only piece drop sounds are played"};
        case OPTION_AUTO_SCREENSHOT: return {"Saves a screenshot automatically upon game completion"};
        case OPTION_RESTORE_DEFAULTS: return {"Reset all settings to their default values"};
        case OPTION_SAVE_SETTINGS: return {"Preserve these settings for the next time TapFall is run"};
        default: return {};
    }
}
