#include "options/options.h"

#include <gtest/gtest.h>

namespace {

const Option& named(const char* label) { return option(option_index(label)); }

std::vector<std::string> info(const char* label, const Settings& settings) {
    std::vector<std::string> lines;
    for (const char* line : option_info(named(label), settings)) lines.push_back(line ? line : "-");
    return lines;
}

// The option's line after each press of Enter, starting from the defaults.
std::vector<std::string> cycle(const char* label, int presses) {
    Settings settings;
    RandomizerMemory memory;
    std::vector<std::string> lines = {option_line(named(label), settings)};
    for (int i = 0; i < presses; ++i) {
        step_option(named(label), settings, memory);
        lines.push_back(option_line(named(label), settings));
    }
    return lines;
}

}  // namespace

TEST(Options, TheScreenListsTwentyLinesWithTheirValues) {
    Settings settings;
    std::string screen;
    for (int i = 0; i < OPTION_COUNT; ++i) screen += option_line(option(i), settings) + "|";
    EXPECT_EQ("Game Mode: 40 Lines|Big Mode: Disabled|Randomizer: Bag|Practice Mode: Disabled|"
              "Control Scheme: 10-Key|Placement System: Left-aligned|Deep Drop: Enabled|Initial Orientation: SRS|"
              "Column Clamping: Enabled|Hold: Enabled|Double Hold: Enabled|Hold Orientation: Disabled|"
              "Piece Previews: 10|Rotation Guide: Disabled|Sound: Enabled|Music Mode: Disabled|"
              "Auto Screenshot: Enabled|Restore Default Settings|Save Settings|Return to Main Menu|",
              screen);
    EXPECT_EQ(-1, option_index("Sound: Enabled"));
}

TEST(Options, EnterStepsEachValueForwardAndWraps) {
    EXPECT_EQ((std::vector<std::string>{"Game Mode: 40 Lines", "Game Mode: 2 Minutes", "Game Mode: Endless",
                                        "Game Mode: 40 Lines"}),
              cycle("Game Mode", 3));
    EXPECT_EQ((std::vector<std::string>{"Piece Previews: 10", "Piece Previews: 0", "Piece Previews: 1"}),
              cycle("Piece Previews", 2));
    EXPECT_EQ((std::vector<std::string>{"Control Scheme: 10-Key", "Control Scheme: 40-Key",
                                        "Control Scheme: 40-Key-Inverse", "Control Scheme: 10-Key"}),
              cycle("Control Scheme", 3));
    EXPECT_EQ("Placement System: Left-aligned", cycle("Placement System", 5).back());
    EXPECT_EQ("Placement System: Rightmost lowest", cycle("Placement System", 4).back());
    EXPECT_EQ("Randomizer: I-Cheat", cycle("Randomizer", 3).back());
    EXPECT_EQ("Initial Orientation: ARS", cycle("Initial Orientation", 1).back());
    EXPECT_EQ("Save Settings", cycle("Save Settings", 1).back());
}

TEST(Options, BastetTakesPreviewsAndHoldAwayAndTheNextRandomizerGivesThemBack) {
    Settings settings;
    RandomizerMemory memory;
    settings.randomizer = 3;  // I-Cheat, the one before Bastet
    settings.piece_previews = 3;
    step_option(named("Randomizer"), settings, memory);
    EXPECT_EQ(0, settings.piece_previews);
    EXPECT_FALSE(settings.hold_allowed);
    EXPECT_TRUE(option_locked(named("Hold"), settings));
    EXPECT_TRUE(option_locked(named("Piece Previews"), settings));
    EXPECT_FALSE(option_locked(named("Double Hold"), settings));
    EXPECT_EQ((std::vector<std::string>{"Hold piece is completely disabled", "* No hold allowed for Bastet randomizer",
                                        "-", "-"}),
              info("Hold", settings));
    EXPECT_EQ("* No piece previews allowed for Bastet randomizer", info("Piece Previews", settings)[1]);
    step_option(named("Randomizer"), settings, memory);
    EXPECT_EQ(3, settings.piece_previews);
    EXPECT_TRUE(settings.hold_allowed);
    EXPECT_FALSE(option_locked(named("Hold"), settings));
    // Only leaving Bastet gives them back.
    settings.piece_previews = 7;
    step_option(named("Randomizer"), settings, memory);
    EXPECT_EQ(7, settings.piece_previews);
    // Nothing saved (Bastet came from the file): nothing to give back.
    Settings from_file;
    from_file.randomizer = 4;
    apply_randomizer_limits(from_file);
    RandomizerMemory empty;
    step_option(named("Randomizer"), from_file, empty);
    EXPECT_EQ(0, from_file.piece_previews);
    EXPECT_FALSE(from_file.hold_allowed);
}

TEST(Options, TheLinesBelowExplainTheHighlightedOptionAsItIsSet) {
    Settings settings;
    EXPECT_EQ((std::vector<std::string>{"Hold piece is enabled", "-", "-", "-"}), info("Hold", settings));
    settings.hold_allowed = false;
    EXPECT_EQ((std::vector<std::string>{"Hold piece is completely disabled", "-", "-", "-"}), info("Hold", settings));
    settings.game_mode = GameMode::TwoMinutes;
    EXPECT_EQ("How many lines can you clear in 2 minutes?", info("Game Mode", settings)[0]);
    settings.control_scheme = 2;
    EXPECT_EQ("lower row drops rotated ccw, number row drops rotated 180", info("Control Scheme", settings)[2]);
    settings.placement_system = 4;
    EXPECT_EQ("Only considers cells in the lowest row of the piece", info("Placement System", settings)[1]);
    settings.randomizer = 4;
    EXPECT_EQ("* Disables hold piece", info("Randomizer", settings)[2]);
    settings.big_mode = true;
    EXPECT_EQ("5x10 playfield, pieces are twice the size", info("Big Mode", settings)[0]);
    EXPECT_EQ("Toggles sound", info("Sound", settings)[0]);
    EXPECT_EQ("-", info("Return to Main Menu", settings)[0]);
    EXPECT_EQ(std::string("2Min"), game_mode_names(GameMode::TwoMinutes).screenshot);
}
