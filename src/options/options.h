// The options: one table that the options menu, the settings file, the game screen's summary
// and the tests all read. Each option has its label, the key it is stored under, how Enter
// steps its value, and the lines that explain it. The rule that the adversarial randomizer is
// played without previews or hold lives here too.
#pragma once

#include <string>

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

// In the order of the options screen.
const Option* options_begin();
const Option* options_end();
constexpr int OPTION_COUNT = 20;
const Option& option(int index);

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
