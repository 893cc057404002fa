#include "options/options.h"

#include "input/control_scheme.h"
#include "placement/placement.h"
#include "randomizers/randomizer.h"

namespace {

bool judging_randomizer(const Settings& settings) { return randomizer_kind(settings.randomizer).judges_the_field; }

void step_randomizer(Settings& settings, RandomizerMemory& memory) {
    const bool judged = judging_randomizer(settings);
    settings.randomizer = next_kind(randomizer_kinds(), settings.randomizer);
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
        case OptionKind::Randomizer: return randomizer_kind(settings.randomizer).name;
        case OptionKind::ControlScheme: return kind_of(control_schemes(), settings.control_scheme).name;
        case OptionKind::PlacementSystem: return placement_system(settings.placement_system).name;
        case OptionKind::PiecePreviews: return std::to_string(settings.piece_previews);
        case OptionKind::Action: break;
    }
    return "";
}

std::string option_line(const Option& option, const Settings& settings) {
    if (option.kind == OptionKind::Action) return option.label;
    return std::string(option.label) + ": " + option_value(option, settings);
}

InfoLines option_info(const Option& option, const Settings& settings) {
    InfoLines info = option.help_on;
    switch (option.kind) {
        case OptionKind::Toggle: info = settings.*option.flag ? option.help_on : option.help_off; break;
        case OptionKind::GameMode: info = {game_mode_kind(settings.game_mode).info}; break;
        case OptionKind::Randomizer: info = randomizer_kind(settings.randomizer).info; break;
        case OptionKind::ControlScheme: info = kind_of(control_schemes(), settings.control_scheme).info; break;
        case OptionKind::PlacementSystem: info = placement_system(settings.placement_system).info; break;
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
            settings.control_scheme = next_kind(control_schemes(), settings.control_scheme);
            break;
        case OptionKind::PlacementSystem:
            settings.placement_system = next_kind(placement_systems(), settings.placement_system);
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
