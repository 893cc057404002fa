#include "persist/settings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <climits>
#include <filesystem>

#include "model/gamestate.h"
#include "persist/file_io.h"
#include "support/as_player.h"
#include "support/file_size_limit.h"
#include "support/seams.h"
#include "support/temp_dir.h"

namespace {

// The 61 lines a fresh game writes, exactly.
const char* const DEFAULT_FILE =
    "#TapFall settings file\n"
    "#Note: Everything here is case-sensitive!\n"
    "ARS=FALSE\n" "AutoScreenshot=TRUE\n" "BigMode=FALSE\n" "ColumnClamp=TRUE\n" "DeepDrop=TRUE\n"
    "DoubleHold=TRUE\n" "GameMode=40Lines\n" "HoldAllowed=TRUE\n" "HoldOrient=FALSE\n"
    "InputType=10-Key\n" "MusicMode=FALSE\n" "PieceMaskType=Left-aligned\n" "PiecePreviews=10\n"
    "PracticeMode=FALSE\n" "Randomizer=Bag\n" "RotationGuide=FALSE\n" "Sound=TRUE\n"
    "KEY_LETTER_A=97\n" "KEY_LETTER_B=98\n" "KEY_LETTER_C=99\n" "KEY_LETTER_D=100\n"
    "KEY_LETTER_E=101\n" "KEY_LETTER_F=102\n" "KEY_LETTER_G=103\n" "KEY_LETTER_H=104\n"
    "KEY_LETTER_I=105\n" "KEY_LETTER_J=106\n" "KEY_LETTER_K=107\n" "KEY_LETTER_L=108\n"
    "KEY_LETTER_M=109\n" "KEY_LETTER_N=110\n" "KEY_LETTER_O=111\n" "KEY_LETTER_P=112\n"
    "KEY_LETTER_Q=113\n" "KEY_LETTER_R=114\n" "KEY_LETTER_S=115\n" "KEY_LETTER_T=116\n"
    "KEY_LETTER_U=117\n" "KEY_LETTER_V=118\n" "KEY_LETTER_W=119\n" "KEY_LETTER_X=120\n"
    "KEY_LETTER_Y=121\n" "KEY_LETTER_Z=122\n" "KEY_NUMBER_0=48\n" "KEY_NUMBER_1=49\n"
    "KEY_NUMBER_2=50\n" "KEY_NUMBER_3=51\n" "KEY_NUMBER_4=52\n" "KEY_NUMBER_5=53\n"
    "KEY_NUMBER_6=54\n" "KEY_NUMBER_7=55\n" "KEY_NUMBER_8=56\n" "KEY_NUMBER_9=57\n"
    "KEY_SEMICOLON=59\n" "KEY_COMMA=44\n" "KEY_PERIOD=46\n" "KEY_SLASH=47\n" "KEY_BACKSPACE=8\n"
    "KEY_SPACE=32\n";

const std::pair<const char*, bool GameRecord::*> BOOLEANS[] = {
    {"ARS", &GameRecord::ars},                 {"AutoScreenshot", &GameRecord::auto_screenshot},
    {"BigMode", &GameRecord::big_mode},        {"ColumnClamp", &GameRecord::column_clamp},
    {"DeepDrop", &GameRecord::deep_drop},      {"DoubleHold", &GameRecord::double_hold},
    {"HoldAllowed", &GameRecord::hold_allowed}, {"HoldOrient", &GameRecord::hold_orient},
    {"MusicMode", &GameRecord::music_mode},    {"PracticeMode", &GameRecord::practice_mode},
    {"RotationGuide", &GameRecord::rotation_guide}, {"Sound", &GameRecord::sound}};

class SettingsTest : public ::testing::Test {
protected:
    // The default file with each given line in place of the line with the same key.
    static std::string default_with(std::initializer_list<std::string> lines) {
        std::string text = DEFAULT_FILE;
        for (const std::string& line : lines) {
            const size_t at = text.find("\n" + line.substr(0, line.find('=') + 1));
            EXPECT_NE(at, std::string::npos) << line;
            text.replace(at + 1, text.find('\n', at + 1) - at - 1, line);
        }
        return text;
    }
    std::string path() const { return dir.file("TapFall.ini"); }
    void import_text(const std::string& text) {
        dir.write("TapFall.ini", text);
        import_settings(state, path());
    }

    ScriptedRandom random;
    GameState state;
    TempDir dir;
};

TEST_F(SettingsTest, DefaultsMakeTheSixtyOneLinesByteForByte) {
    EXPECT_EQ(settings_text(state), DEFAULT_FILE);
    ASSERT_TRUE(export_settings(state, path()));
    EXPECT_EQ(dir.read("TapFall.ini"), DEFAULT_FILE);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"TapFall.ini"});
    // A game mode outside the three is written empty.
    state.game_mode = 7;
    EXPECT_EQ(settings_text(state), default_with({"GameMode="}));
}

TEST_F(SettingsTest, EachValueIsReadWithItsQuirksWhateverItReplaces) {
    // A line, and the line the file holds after it. Booleans are true only when the value
    // begins with TRUE; previews read two characters and clamp; names match as prefixes; key
    // codes are what strtol reads, saturated to an int.
    const std::pair<const char*, const char*> read_as[] = {
        {"Sound=TRUE", "Sound=TRUE"}, {"Sound=true", "Sound=FALSE"}, {"Sound=TRUEX", "Sound=TRUE"},
        {"Sound=TRU", "Sound=FALSE"}, {"Sound:TRUE", "Sound=TRUE"}, {"Sound=", "Sound=FALSE"},
        {"Sound=FALSE", "Sound=FALSE"}, {"Sound TRUE", "Sound=TRUE"}, {"SoundTRUE", "Sound=FALSE"},
        {"Sound=TRUE\r", "Sound=TRUE"}, {"Sound= TRUE", "Sound=FALSE"},
        {"PiecePreviews=7", "PiecePreviews=7"}, {"PiecePreviews=123", "PiecePreviews=10"},
        {"PiecePreviews=-3", "PiecePreviews=0"}, {"PiecePreviews=", "PiecePreviews=0"},
        {"PiecePreviews=11", "PiecePreviews=10"}, {"PiecePreviews= 5", "PiecePreviews=5"},
        {"PiecePreviews=+9", "PiecePreviews=9"}, {"PiecePreviews=5x", "PiecePreviews=5"},
        {"PiecePreviews=abc", "PiecePreviews=0"}, {"PiecePreviews=-", "PiecePreviews=0"},
        {"PiecePreviews:4\r", "PiecePreviews=4"}, {"PiecePreviews=1 0", "PiecePreviews=1"},
        {"PiecePreviews=011", "PiecePreviews=1"}, {"PiecePreviews=99999999999999999999", "PiecePreviews=10"},
        {"GameMode=Endless", "GameMode=Endless"}, {"GameMode=2Minutes\r", "GameMode=2Minutes"},
        {"GameMode=40Lines", "GameMode=40Lines"}, {"GameMode=EndlessX", "GameMode=Endless"},
        {"InputType=40-Key-Inverse", "InputType=40-Key-Inverse"}, {"InputType=40-Key", "InputType=40-Key"},
        {"InputType=40-Key-Inv", "InputType=40-Key"}, {"InputType=10-Key\r", "InputType=10-Key"},
        {"KEY_LETTER_A=113", "KEY_LETTER_A=113"}, {"KEY_NUMBER_0=-5", "KEY_NUMBER_0=-5"},
        {"KEY_SEMICOLON=2147483647", "KEY_SEMICOLON=2147483647"}, {"KEY_PERIOD=99999", "KEY_PERIOD=99999"},
        {"KEY_COMMA=-2147483648", "KEY_COMMA=-2147483648"}, {"KEY_SLASH= +47\r", "KEY_SLASH=47"},
        {"KEY_SPACE:32 junk", "KEY_SPACE=32"},
        {"KEY_LETTER_Z=99999999999999", "KEY_LETTER_Z=2147483647"},
        {"KEY_LETTER_Y=-99999999999999", "KEY_LETTER_Y=-2147483648"}};
    for (const auto& [line, written] : read_as)
        // Over the defaults and over values that all differ from them, so that a line that
        // changed nothing shows.
        for (bool from_defaults : {true, false}) {
            GameState read;
            if (!from_defaults) {
                for (const auto& [key, field] : BOOLEANS) read.*field = !(read.*field);
                read.piece_previews = 6;
                read.game_mode = GAME_MODE_2_MINUTES;
                read.input_type = make_input_type(QUARTZ_RAIN_INVERSE_INPUT_NAME);
                for (KeyCode& binding : read.key_config.bindings) binding = 7;
            }
            process_line(line, read);
            EXPECT_NE(settings_text(read).find("\n" + std::string(written) + "\n"), std::string::npos)
                << line << (from_defaults ? " over the defaults" : " over other values");
        }
}

TEST_F(SettingsTest, EveryBooleanKeyReachesItsOwnField) {
    for (const auto& [key, field] : BOOLEANS) {
        const bool before = state.*field;
        const std::string text = settings_text(state);
        process_line(std::string(key) + (before ? "=FALSE" : "=TRUE"), state);
        EXPECT_NE(state.*field, before) << key;
        process_line(std::string(key) + (before ? "=TRUE" : "=FALSE"), state);
        EXPECT_EQ(settings_text(state), text) << key;
    }
}

TEST_F(SettingsTest, StrategyNamesInstallTheirClassesAndUnknownNamesKeepTheCurrentOne) {
    for (const std::string& name : piece_mask_type_names()) {
        process_line("PieceMaskType=" + name + "\r", state);
        EXPECT_EQ(state.piece_mask_type->get_name(), name);
    }
    process_line("PieceMaskType=Leftmost", state);
    EXPECT_EQ(state.piece_mask_type->get_name(), "Rightmost lowest");
    for (const std::string& name : randomizer_names()) {
        process_line("Randomizer=" + name, state);
        EXPECT_EQ(state.randomizer->get_name(), name);
    }
    process_line("Randomizer=bag", state);
    EXPECT_EQ(state.randomizer->get_name(), "Bastet");
    // The Bastet rule belongs to reading a whole file, not to one line.
    EXPECT_EQ(state.piece_previews, 10);
    EXPECT_TRUE(state.hold_allowed);
}

TEST_F(SettingsTest, LinesThatAreNoEntryOrNameNoValueChangeNothing) {
    state.game_mode = GAME_MODE_2_MINUTES;
    state.input_type = make_input_type(QUARTZ_RAIN_INPUT_NAME);
    for (const char* line : {"ARS", "GameMode", "InputType", "PieceMaskType", "PiecePreviews",
                             "Randomizer", "Sound", "KEY_LETTER_A", "KEY_NUMBER_9", "KEY_SPACE",
                             "KEY_BACKSPACE", "KEY_LETTER_F=", "KEY_BACKSPACE=abc", "KEY_SPACE=-",
                             "KEY_COMMA= x1", " Sound=FALSE", "sound=FALSE", "#ARS=TRUE", "", "=",
                             "KEY_", "Foo=1", "KEY_LETTER_=5", "KEY_LETTER_a=5", "\r", "GameMode=endless",
                             "GameMode=", "GameMode=40Line", "GameMode=2", "InputType=12-Key"})
        process_line(line, state);
    for (const auto& [key, field] : BOOLEANS) process_line(key, state);
    EXPECT_EQ(settings_text(state), default_with({"GameMode=2Minutes", "InputType=40-Key"}));
}

TEST_F(SettingsTest, ImportReadsEveryLineOfAWholeFile) {
    import_text("#ARS=TRUE\n\n Sound=FALSE\nPiecePreviews=3\r\nBigMode=TRUE\r\nGameMode=Endless\r\n"
                "PiecePreviews=4\nKEY_LETTER_Q=97\nKEY_LETTER_A=113");
    EXPECT_EQ(settings_text(state), default_with({"BigMode=TRUE", "GameMode=Endless", "PiecePreviews=4",
                                                  "KEY_LETTER_A=113", "KEY_LETTER_Q=97"}));
}

TEST_F(SettingsTest, FilesThatHoldNothingOrAreNoRegularFileLeaveTheDefaults) {
    import_text("#TapFall settings file\n#Note: Everything here is case-sensitive!\n");
    import_text("");
    import_settings(state, dir.file("missing.ini"));
    // A folder reads as nothing, a FIFO would hang the start and a device would never end.
    import_settings(state, dir.path().string());
    ASSERT_EQ(mkfifo(dir.file("fifo").c_str(), 0644), 0);
    import_settings(state, dir.file("fifo"));
    std::filesystem::create_symlink("/dev/zero", dir.file("zero"));
    import_settings(state, dir.file("zero"));
    EXPECT_EQ(settings_text(state), DEFAULT_FILE);
}

TEST_F(SettingsTest, ALongLineIsReadUpToItsBoundAndTheRestOfItSkipped) {
    import_text("KEY_LETTER_A=113" + std::string(10000, ' ') + "\n" + std::string(MAX_LINE_BYTES, 'x') +
                "Sound=FALSE\nBigMode=TRUE");
    EXPECT_EQ(settings_text(state), default_with({"BigMode=TRUE", "KEY_LETTER_A=113"}));
}

TEST_F(SettingsTest, BastetFromTheFileTurnsOffPreviewsAndHoldAfterTheLastLine) {
    const std::string expected = default_with({"HoldAllowed=FALSE", "PiecePreviews=0", "Randomizer=Bastet"});
    import_text("Randomizer=Bastet\n");
    EXPECT_EQ(settings_text(state), expected);
    state.init();
    import_text("Randomizer=Bastet\nPiecePreviews=5\nHoldAllowed=TRUE");
    EXPECT_EQ(settings_text(state), expected);
}

TEST_F(SettingsTest, SavingAndReadingBackReproducesEverySettingAndKeyCode) {
    const std::string names[][3] = {{"10-Key", "Right-aligned", "History (6 roll)"},
                                    {"40-Key", "Leftmost lowest", "Random"},
                                    {"40-Key-Inverse", "Rightmost lowest", "I-Cheat"},
                                    {"40-Key-Inverse", "Center-aligned", "Bag"}};
    const KeyCode hostile[] = {-5, INT_MAX, INT_MIN, 99999, 0, 283, 13};
    for (int round = 0; round < 4; ++round) {
        GameState saved;
        bool flag = round % 2 == 0;
        for (const auto& [key, field] : BOOLEANS) saved.*field = flag = !flag;
        saved.game_mode = round % 3;
        saved.piece_previews = round * 3;
        saved.input_type = make_input_type(names[round][0]);
        saved.piece_mask_type = make_piece_mask_type(names[round][1]);
        saved.randomizer = make_randomizer(names[round][2]);
        for (int i = 0; i < KEY_BINDINGS; ++i)
            saved.key_config.bindings[i] = i % 3 == 0 ? hostile[i % 7] : 200 + i * 7 + round;

        ASSERT_TRUE(export_settings(saved, path()));
        GameState loaded;
        import_settings(loaded, path());
        EXPECT_EQ(settings_text(loaded), settings_text(saved)) << round;
        for (int i = 0; i < KEY_BINDINGS; ++i)
            EXPECT_EQ(loaded.key_config.bindings[i], saved.key_config.bindings[i]);
    }
}

TEST_F(SettingsTest, AFailedSaveLeavesTheOldFileAsItWas) {
    const std::string old_text = "Sound=FALSE\nKEY_LETTER_A=113\n";
    dir.write("TapFall.ini", old_text);
    {
        // Works for every user, root included: the write itself fails half-way.
        FileSizeLimit limit(64);
        EXPECT_FALSE(export_settings(state, path()));
    }
    EXPECT_EQ(dir.read("TapFall.ini"), old_text);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"TapFall.ini"});
}

TEST_F(SettingsTest, ASaveThatCannotReplaceTheFileReportsFailureAndLeavesNoTrace) {
    // A non-empty directory where the file should be: even root cannot rename over it.
    std::filesystem::create_directory(path());
    dir.write("TapFall.ini/keep", "kept");
    EXPECT_FALSE(export_settings(state, path()));
    EXPECT_EQ(dir.read("TapFall.ini/keep"), "kept");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"TapFall.ini"});
    EXPECT_FALSE(export_settings(state, dir.file("missing/TapFall.ini")));
}

TEST_F(SettingsTest, ASaveThroughALinkWritesTheFileItLeadsToAndKeepsTheLink) {
    std::filesystem::create_directory(dir.file("real"));
    dir.write("real/settings.ini", "old");
    std::filesystem::create_symlink("real/settings.ini", path());
    ASSERT_TRUE(export_settings(state, path()));
    EXPECT_TRUE(std::filesystem::is_symlink(path()));
    EXPECT_EQ(dir.read("real/settings.ini"), DEFAULT_FILE);
    EXPECT_EQ(dir.entries().size(), 2u);
    EXPECT_EQ(std::filesystem::directory_iterator(dir.file("real"))->path().filename(), "settings.ini");
}

TEST_F(SettingsTest, ASaveRespectsThePermissionsOfTheFileNotOfTheFolder) {
    // Read-only or unreadable: refused and kept, as a plain write would have to.
    for (mode_t protected_mode : {0444, 0000}) {
        dir.write("TapFall.ini", "old");
        chmod(path().c_str(), protected_mode);
        EXPECT_FALSE(as_player(dir.path(), [&] { return export_settings(state, path()); }));
        chmod(path().c_str(), 0644);
        EXPECT_EQ(dir.read("TapFall.ini"), "old");
        EXPECT_EQ(dir.entries(), std::vector<std::string>{"TapFall.ini"});
    }
    // Writable, in a folder that takes no new file: written in place.
    dir.write("TapFall.ini", "old");
    chmod(dir.path().c_str(), 0555);
    EXPECT_TRUE(as_player(dir.path(), [&] { return export_settings(state, path()); }));
    chmod(dir.path().c_str(), 0755);
    EXPECT_EQ(dir.read("TapFall.ini"), DEFAULT_FILE);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"TapFall.ini"});
}

TEST_F(SettingsTest, ASaveReplacesTheOldFileAndKeepsItsPermissions) {
    dir.write("TapFall.ini", "ARS=TRUE\njunk that must go\n");
    chmod(path().c_str(), 0640);
    ASSERT_TRUE(export_settings(state, path()));
    EXPECT_EQ(dir.read("TapFall.ini"), DEFAULT_FILE);
    struct stat info;
    ASSERT_EQ(stat(path().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"TapFall.ini"});
}

}  // namespace
