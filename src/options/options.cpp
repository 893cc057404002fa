#include "options/options.h"

#include <cstring>

#include "input/control_scheme.h"
#include "placement/placement.h"
#include "randomizers/randomizer.h"

namespace {

// A toggle explained the same way whichever way it is set.
Option toggle(const char* label, const char* key, bool Settings::*flag, const char* help) {
    return {label, OptionKind::Toggle, key, flag, {help}, {help}};
}

Option toggle(const char* label, const char* key, bool Settings::*flag, const char* on, const char* off) {
    return {label, OptionKind::Toggle, key, flag, {on}, {off}};
}

Option action(const char* label, Action what, const char* help) {
    Option option{label, OptionKind::Action, nullptr, nullptr, {help}, {help}};
    option.action = what;
    return option;
}

const Option OPTIONS[OPTION_COUNT] = {
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
    [] {
        Option ars = toggle("Initial Orientation", "ARS", &Settings::ars,
                            "Piece colors and spawn orientations as in Arika's TGM series",
                            "Piece colors and spawn orientations as guideline Tetris games");
        ars.on_text = "ARS";
        ars.off_text = "SRS";
        return ars;
    }(),
    toggle("Column Clamping", "ColumnClamp", &Settings::column_clamp,
           "Trying to drop a piece outside the playfield drops in the nearest valid column",
           "Trying to drop a piece outside the playfield does nothing"),
    [] {
        Option hold = toggle("Hold", "HoldAllowed", &Settings::hold_allowed, "Hold piece is enabled",
                             "Hold piece is completely disabled");
        hold.locked_note = "* No hold allowed for Bastet randomizer";
        return hold;
    }(),
    toggle("Double Hold", "DoubleHold", &Settings::double_hold, "Can swap active piece and held piece freely",
           "Hold is only allowed once per piece"),
    toggle("Hold Orientation", "HoldOrient", &Settings::hold_orient, "Held piece will retain applied orientation",
           "Held piece always maintains spawn orientation"),
    [] {
        Option previews{"Piece Previews", OptionKind::PiecePreviews, "PiecePreviews", nullptr,
                        {"Number of piece previews to show"}, {"Number of piece previews to show"}};
        previews.locked_note = "* No piece previews allowed for Bastet randomizer";
        return previews;
    }(),
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

bool judging_randomizer(const Settings& settings) { return randomizer_kinds()[settings.randomizer].judges_the_field; }

template <class Kinds>
int next_index(const Kinds& kinds, int index) {
    return (index + 1) % int(kinds.size());
}

void step_randomizer(Settings& settings, RandomizerMemory& memory) {
    const bool judged = judging_randomizer(settings);
    settings.randomizer = next_index(randomizer_kinds(), settings.randomizer);
    if (judging_randomizer(settings)) {
        memory = {true, settings.piece_previews, settings.hold_allowed};
        apply_randomizer_limits(settings);
    } else if (judged && memory.saved) {
        settings.piece_previews = memory.piece_previews;
        settings.hold_allowed = memory.hold_allowed;
    }
}

}  // namespace

std::string option_value(const Option& option, const Settings& settings) {
    switch (option.kind) {
        case OptionKind::Toggle: return settings.*option.flag ? option.on_text : option.off_text;
        case OptionKind::GameMode: return game_mode_kind(settings.game_mode).label;
        case OptionKind::Randomizer: return randomizer_kinds()[settings.randomizer].name;
        case OptionKind::ControlScheme: return control_schemes()[settings.control_scheme].name;
        case OptionKind::PlacementSystem: return placement_systems()[settings.placement_system].name;
        case OptionKind::PiecePreviews: return std::to_string(settings.piece_previews);
        case OptionKind::Action: break;
    }
    return "";
}

const Option* options_begin() { return OPTIONS; }
const Option* options_end() { return OPTIONS + OPTION_COUNT; }
const Option& option(int index) { return OPTIONS[index]; }

std::string option_line(const Option& option, const Settings& settings) {
    if (option.kind == OptionKind::Action) return option.label;
    return std::string(option.label) + ": " + option_value(option, settings);
}

InfoLines option_info(const Option& option, const Settings& settings) {
    InfoLines info = option.help_on;
    switch (option.kind) {
        case OptionKind::Toggle: info = settings.*option.flag ? option.help_on : option.help_off; break;
        case OptionKind::GameMode: info = {game_mode_kind(settings.game_mode).info}; break;
        case OptionKind::Randomizer: info = randomizer_kinds()[settings.randomizer].info; break;
        case OptionKind::ControlScheme: info = control_schemes()[settings.control_scheme].info; break;
        case OptionKind::PlacementSystem: info = placement_systems()[settings.placement_system].info; break;
        default: break;
    }
    if (option_locked(option, settings)) info[1] = option.locked_note;
    return info;
}

bool option_locked(const Option& option, const Settings& settings) {
    return option.locked_note && judging_randomizer(settings);
}

void step_option(const Option& option, Settings& settings, RandomizerMemory& memory) {
    switch (option.kind) {
        case OptionKind::Toggle: settings.*option.flag = !(settings.*option.flag); break;
        case OptionKind::GameMode: settings.game_mode = GameMode((int(settings.game_mode) + 1) % GAME_MODES); break;
        case OptionKind::Randomizer: step_randomizer(settings, memory); break;
        case OptionKind::ControlScheme:
            settings.control_scheme = next_index(control_schemes(), settings.control_scheme);
            break;
        case OptionKind::PlacementSystem:
            settings.placement_system = next_index(placement_systems(), settings.placement_system);
            break;
        case OptionKind::PiecePreviews:
            settings.piece_previews = (settings.piece_previews + 1) % (MAX_PIECE_PREVIEWS + 1);
            break;
        case OptionKind::Action: break;
    }
}

void apply_randomizer_limits(Settings& settings) {
    if (!judging_randomizer(settings)) return;
    settings.piece_previews = 0;
    settings.hold_allowed = false;
}
