// The options: one table that the options menu, the options screen's layout, the settings
// file, the game screen's summary and the tests all read. Each option has its label, the key
// it is stored under, how Enter steps its value, and the lines that explain it. The rule that
// the adversarial randomizer is played without previews or hold lives here too.
#pragma once

#include <iterator>
#include <string>
#include <string_view>

#include "model/registry.h"
#include "model/settings.h"

enum class OptionKind { Toggle, GameMode, Randomizer, ControlScheme, PlacementSystem, PiecePreviews, Action };
enum class Action { None, RestoreDefaults, SaveSettings, ReturnToMainMenu };

struct Option {
    const char* label;
    OptionKind kind;
    // The key in the settings file; nullptr for the actions.
    const char* file_key = nullptr;
    bool Settings::*flag = nullptr;
    // A toggle's explanation when on and when off; the same for an option explained one way.
    InfoLines help_on = {};
    InfoLines help_off = {};
    // A toggle's value as shown.
    const char* on_text = "Enabled";
    const char* off_text = "Disabled";
    // Set for the options that a field-judging randomizer locks: shown under the explanation.
    const char* locked_note = nullptr;
    Action action = Action::None;
};

// The one-line declarations the table is written in.
namespace option_table {

// A toggle explained one way when on and another when off.
constexpr Option toggle(const char* label, const char* key, bool Settings::*flag, const char* on, const char* off) {
    return {label, OptionKind::Toggle, key, flag, {on}, {off}};
}
// A toggle explained the same way whichever way it is set.
constexpr Option toggle(const char* label, const char* key, bool Settings::*flag, const char* help) {
    return toggle(label, key, flag, help, help);
}
constexpr Option shown_as(Option option, const char* on_text, const char* off_text) {
    option.on_text = on_text;
    option.off_text = off_text;
    return option;
}
constexpr Option locked_by_judge(Option option, const char* note) {
    option.locked_note = note;
    return option;
}
constexpr Option action(const char* label, Action what, const char* help) {
    Option option{label, OptionKind::Action, nullptr, nullptr, {help}, {help}};
    option.action = what;
    return option;
}

constexpr const char* PREVIEWS_HELP = "Number of piece previews to show";

// In the order of the options screen; the actions come last.
inline constexpr Option OPTIONS[] = {
    {"Game Mode", OptionKind::GameMode, "GameMode"},
    toggle("Big Mode", "BigMode", &Settings::big_mode, "5x10 playfield, pieces are twice the size",
           "10x20 playfield, normal piece size"),
    {"Randomizer", OptionKind::Randomizer, "Randomizer"},
    toggle("Practice Mode", "PracticeMode", &Settings::practice_mode, "Press backspace to undo your last piece drop",
           "Undo disabled"),
    {"Control Scheme", OptionKind::ControlScheme, "InputType"},
    {"Placement System", OptionKind::PlacementSystem, "PieceMaskType"},
    toggle("Deep Drop", "DeepDrop", &Settings::deep_drop, "Pieces can drop through other pieces",
           "Pieces are stopped by other pieces"),
    shown_as(toggle("Initial Orientation", "ARS", &Settings::ars,
                    "Piece colors and spawn orientations as in Arika's TGM series",
                    "Piece colors and spawn orientations as guideline Tetris games"),
             "ARS", "SRS"),
    toggle("Column Clamping", "ColumnClamp", &Settings::column_clamp,
           "Trying to drop a piece outside the playfield drops in the nearest valid column",
           "Trying to drop a piece outside the playfield does nothing"),
    locked_by_judge(toggle("Hold", "HoldAllowed", &Settings::hold_allowed, "Hold piece is enabled",
                           "Hold piece is completely disabled"),
                    "* No hold allowed for Bastet randomizer"),
    toggle("Double Hold", "DoubleHold", &Settings::double_hold, "Can swap active piece and held piece freely",
           "Hold is only allowed once per piece"),
    toggle("Hold Orientation", "HoldOrient", &Settings::hold_orient, "Held piece will retain applied orientation",
           "Held piece always maintains spawn orientation"),
    locked_by_judge(
        {"Piece Previews", OptionKind::PiecePreviews, "PiecePreviews", nullptr, {PREVIEWS_HELP}, {PREVIEWS_HELP}},
        "* No piece previews allowed for Bastet randomizer"),
    toggle("Rotation Guide", "RotationGuide", &Settings::rotation_guide,
           "Toggles a guide showing the axis column and rotations for the active piece"),
    toggle("Sound", "Sound", &Settings::sound, "Toggles sound"),
    toggle("Music Mode", "MusicMode", &Settings::music_mode,
           "Mode where no pieces are actually dropped--only piece drop sounds are played"),
    toggle("Auto Screenshot", "AutoScreenshot", &Settings::auto_screenshot,
           "Saves a screenshot automatically upon game completion"),
    action("Restore Default Settings", Action::RestoreDefaults, "Reset all settings to their default values"),
    action("Save Settings", Action::SaveSettings, "Preserve these settings for the next time TapFall is run"),
    action("Return to Main Menu", Action::ReturnToMainMenu, nullptr),
};

}  // namespace option_table

using option_table::OPTIONS;
constexpr int OPTION_COUNT = int(std::size(OPTIONS));

// The position of the option with exactly this label; -1 for none.
constexpr int option_index(std::string_view label) {
    for (int index = 0; index < OPTION_COUNT; ++index)
        if (label == OPTIONS[index].label) return index;
    return -1;
}

constexpr int FIRST_ACTION = [] {
    int first = OPTION_COUNT;
    while (first > 0 && OPTIONS[first - 1].kind == OptionKind::Action) --first;
    return first;
}();
constexpr bool actions_come_last() {
    for (int index = 0; index < FIRST_ACTION; ++index)
        if (OPTIONS[index].kind == OptionKind::Action) return false;
    return true;
}
static_assert(actions_come_last(), "the actions come after every option");

// The value as the menus show it; empty for the actions.
std::string option_value(const Option& option, const Settings& settings);
// The options line: the label and, for everything but the actions, ": " and the value.
std::string option_line(const Option& option, const Settings& settings);
// The lines that explain the option as it is set; nullptr lines are not drawn.
InfoLines option_info(const Option& option, const Settings& settings);
// While a field-judging randomizer is chosen, these options cannot change.
bool option_locked(const Option& option, const Settings& settings);

// What the player had before choosing a field-judging randomizer, given back when the menu
// moves on from it. Once saved it stays saved: restoring the defaults does not clear it.
struct RandomizerMemory {
    bool saved = false;
    int piece_previews = 0;
    bool hold_allowed = false;
};

// Enter on an option that is neither an action nor locked: one step forward through its cycle.
void step_option(const Option& option, Settings& settings, RandomizerMemory& memory);
// Previews and hold off while a field-judging randomizer is chosen.
void apply_randomizer_limits(Settings& settings);
