#include "persist/settings.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <filesystem>

#include "model/gamestate.h"
#include "support/seams.h"
#include "support/temp_dir.h"

namespace {

const char* const DEFAULT_FILE =
    "#TapFall settings file\n"
    "#Note: Everything here is case-sensitive!\n"
    "ARS=FALSE\n"
    "AutoScreenshot=TRUE\n"
    "BigMode=FALSE\n"
    "ColumnClamp=TRUE\n"
    "DeepDrop=TRUE\n"
    "DoubleHold=TRUE\n"
    "GameMode=40Lines\n"
    "HoldAllowed=TRUE\n"
    "HoldOrient=FALSE\n"
    "InputType=10-Key\n"
    "MusicMode=FALSE\n"
    "PieceMaskType=Left-aligned\n"
    "PiecePreviews=10\n"
    "PracticeMode=FALSE\n"
    "Randomizer=Bag\n"
    "RotationGuide=FALSE\n"
    "Sound=TRUE\n"
    "KEY_LETTER_A=97\n"
    "KEY_LETTER_B=98\n"
    "KEY_LETTER_C=99\n"
    "KEY_LETTER_D=100\n"
    "KEY_LETTER_E=101\n"
    "KEY_LETTER_F=102\n"
    "KEY_LETTER_G=103\n"
    "KEY_LETTER_H=104\n"
    "KEY_LETTER_I=105\n"
    "KEY_LETTER_J=106\n"
    "KEY_LETTER_K=107\n"
    "KEY_LETTER_L=108\n"
    "KEY_LETTER_M=109\n"
    "KEY_LETTER_N=110\n"
    "KEY_LETTER_O=111\n"
    "KEY_LETTER_P=112\n"
    "KEY_LETTER_Q=113\n"
    "KEY_LETTER_R=114\n"
    "KEY_LETTER_S=115\n"
    "KEY_LETTER_T=116\n"
    "KEY_LETTER_U=117\n"
    "KEY_LETTER_V=118\n"
    "KEY_LETTER_W=119\n"
    "KEY_LETTER_X=120\n"
    "KEY_LETTER_Y=121\n"
    "KEY_LETTER_Z=122\n"
    "KEY_NUMBER_0=48\n"
    "KEY_NUMBER_1=49\n"
    "KEY_NUMBER_2=50\n"
    "KEY_NUMBER_3=51\n"
    "KEY_NUMBER_4=52\n"
    "KEY_NUMBER_5=53\n"
    "KEY_NUMBER_6=54\n"
    "KEY_NUMBER_7=55\n"
    "KEY_NUMBER_8=56\n"
    "KEY_NUMBER_9=57\n"
    "KEY_SEMICOLON=59\n"
    "KEY_COMMA=44\n"
    "KEY_PERIOD=46\n"
    "KEY_SLASH=47\n"
    "KEY_BACKSPACE=8\n"
    "KEY_SPACE=32\n";

const char* const SETTING_KEYS[] = {
    "ARS",         "AutoScreenshot", "BigMode",       "ColumnClamp",   "DeepDrop",   "DoubleHold",
    "GameMode",    "HoldAllowed",    "HoldOrient",    "InputType",     "MusicMode",  "PieceMaskType",
    "PiecePreviews", "PracticeMode", "Randomizer",    "RotationGuide", "Sound"};

class SettingsTest : public ::testing::Test {
protected:
    // Applies the lines to the fresh state and answers what the file would now hold.
    std::string after(std::initializer_list<const char*> lines) {
        for (const char* line : lines) process_line(line, state);
        return settings_text(state);
    }
    // The default file with one line replaced.
    static std::string default_with(const std::string& from, const std::string& to) {
        std::string text = DEFAULT_FILE;
        size_t at = text.find(from + "\n");
        EXPECT_NE(at, std::string::npos) << from;
        return text.replace(at, from.size(), to);
    }
    // Imports the text as a whole file.
    void import_text(const std::string& text) {
        dir.write("TapFall.ini", text);
        import_settings(state, dir.file("TapFall.ini"));
    }

    ScriptedRandom random{{3, 1, 4, 1, 5, 9, 2, 6}};
    GameState state;
    TempDir dir;
};

TEST_F(SettingsTest, DefaultsMakeTheSixtyOneLinesByteForByte) {
    EXPECT_EQ(settings_text(state), DEFAULT_FILE);
    ASSERT_TRUE(export_settings(state, dir.file("TapFall.ini")));
    EXPECT_EQ(dir.read("TapFall.ini"), DEFAULT_FILE);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"TapFall.ini"});
}

TEST_F(SettingsTest, BooleansAreTrueOnlyWhenTheValueBeginsWithTrue) {
    const std::pair<const char*, bool> cases[] = {
        {"Sound=TRUE", true},   {"Sound=true", false}, {"Sound=TRUEX", true},
        {"Sound=TRU", false},   {"Sound:TRUE", true},  {"Sound=", false},
        {"Sound=FALSE", false}, {"Sound TRUE", true},  {"SoundTRUE", false},
        {"Sound=TRUE\r", true}, {"Sound= TRUE", false}};
    for (const auto& [line, sound] : cases) {
        state.sound = !sound;
        process_line(line, state);
        EXPECT_EQ(state.sound, sound) << line;
    }
}

TEST_F(SettingsTest, EveryBooleanKeyReachesItsOwnField) {
    const std::pair<const char*, bool GameRecord::*> booleans[] = {
        {"ARS", &GameRecord::ars},
        {"AutoScreenshot", &GameRecord::auto_screenshot},
        {"BigMode", &GameRecord::big_mode},
        {"ColumnClamp", &GameRecord::column_clamp},
        {"DeepDrop", &GameRecord::deep_drop},
        {"DoubleHold", &GameRecord::double_hold},
        {"HoldAllowed", &GameRecord::hold_allowed},
        {"HoldOrient", &GameRecord::hold_orient},
        {"MusicMode", &GameRecord::music_mode},
        {"PracticeMode", &GameRecord::practice_mode},
        {"RotationGuide", &GameRecord::rotation_guide},
        {"Sound", &GameRecord::sound}};
    for (const auto& [key, field] : booleans) {
        bool before = state.*field;
        std::string text = settings_text(state);
        process_line(std::string(key) + (before ? "=FALSE" : "=TRUE"), state);
        EXPECT_NE(state.*field, before) << key;
        process_line(std::string(key) + (before ? "=TRUE" : "=FALSE"), state);
        EXPECT_EQ(settings_text(state), text) << key;
    }
}

TEST_F(SettingsTest, PiecePreviewsReadsTwoCharactersAndClamps) {
    const std::pair<const char*, int> cases[] = {
        {"PiecePreviews=7", 7},   {"PiecePreviews=123", 10}, {"PiecePreviews=-3", 0},
        {"PiecePreviews=", 0},    {"PiecePreviews=0", 0},    {"PiecePreviews=11", 10},
        {"PiecePreviews= 5", 5},  {"PiecePreviews=+9", 9},   {"PiecePreviews=5x", 5},
        {"PiecePreviews=abc", 0}, {"PiecePreviews=-", 0},    {"PiecePreviews:4\r", 4},
        {"PiecePreviews=99999999999999999999", 10}, {"PiecePreviews=1 0", 1}};
    for (const auto& [line, previews] : cases) {
        state.piece_previews = 6;
        process_line(line, state);
        EXPECT_EQ(state.piece_previews, previews) << line;
    }
}

TEST_F(SettingsTest, GameModeNamesAreMatchedAsPrefixes) {
    const std::pair<const char*, int> cases[] = {
        {"GameMode=Endless", 2},    {"GameMode=2Minutes", 1},  {"GameMode=40Lines", 0},
        {"GameMode=EndlessX", 2},   {"GameMode=2Minutes\r", 1}, {"GameMode=endless", 1},
        {"GameMode=", 1},           {"GameMode=40Line", 1},    {"GameMode=2", 1}};
    for (const auto& [line, mode] : cases) {
        state.game_mode = 1;
        process_line(line, state);
        EXPECT_EQ(state.game_mode, mode) << line;
    }
}

TEST_F(SettingsTest, StrategyNamesInstallTheirClassesAndUnknownNamesKeepTheCurrentOne) {
    EXPECT_EQ(after({"InputType=40-Key-Inverse"}),
              default_with("InputType=10-Key", "InputType=40-Key-Inverse"));
    EXPECT_EQ(after({"InputType=40-Key"}), default_with("InputType=10-Key", "InputType=40-Key"));
    EXPECT_EQ(after({"InputType=40-Key-Inv"}), default_with("InputType=10-Key", "InputType=40-Key"));
    EXPECT_EQ(after({"InputType=12-Key"}), default_with("InputType=10-Key", "InputType=40-Key"));
    EXPECT_EQ(after({"InputType=10-Key\r"}), DEFAULT_FILE);

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

TEST_F(SettingsTest, KeyEntriesStoreWhatStrtolReadsWithoutRangeCheck) {
    process_line("KEY_LETTER_A=113", state);
    process_line("KEY_NUMBER_0=-5", state);
    process_line("KEY_SEMICOLON=2147483647", state);
    process_line("KEY_COMMA=-2147483648", state);
    process_line("KEY_PERIOD=99999", state);
    process_line("KEY_SLASH= +47\r", state);
    process_line("KEY_BACKSPACE=abc", state);
    process_line("KEY_SPACE:32 junk", state);
    process_line("KEY_LETTER_Z=99999999999999", state);
    process_line("KEY_LETTER_Y=-99999999999999", state);
    const KeyCode* b = state.key_config.bindings;
    EXPECT_EQ(b[10], 113);
    EXPECT_EQ(b[0], -5);
    EXPECT_EQ(b[36], INT_MAX);
    EXPECT_EQ(b[37], INT_MIN);
    EXPECT_EQ(b[38], 99999);
    EXPECT_EQ(b[39], 47);
    EXPECT_EQ(b[40], 0);
    EXPECT_EQ(b[41], 32);
    // Beyond what a key code can hold: the nearest value it can.
    EXPECT_EQ(b[35], INT_MAX);
    EXPECT_EQ(b[34], INT_MIN);
}

TEST_F(SettingsTest, LinesThatAreNoEntryChangeNothing) {
    for (const char* key : SETTING_KEYS) process_line(key, state);
    for (const char* key : {"KEY_LETTER_A", "KEY_NUMBER_9", "KEY_SPACE", "KEY_BACKSPACE"})
        process_line(key, state);
    for (const char* line : {" Sound=FALSE", "sound=FALSE", "#ARS=TRUE", "", "=", "KEY_", "Foo=1",
                             "KEY_LETTER_=5", "KEY_LETTER_a=5", "\r"})
        process_line(line, state);
    EXPECT_EQ(settings_text(state), DEFAULT_FILE);
}

TEST_F(SettingsTest, ImportReadsEveryLineOfAWholeFile) {
    import_text(
        "#ARS=TRUE\n"
        "\n"
        " Sound=FALSE\n"
        "PiecePreviews=3\r\n"
        "BigMode=TRUE\r\n"
        "GameMode=Endless\r\n"
        "PiecePreviews=4\n"
        "KEY_LETTER_Q=97\n"
        "KEY_LETTER_A=113");
    std::string expected = default_with("BigMode=FALSE", "BigMode=TRUE");
    expected.replace(expected.find("GameMode=40Lines"), 16, "GameMode=Endless");
    expected.replace(expected.find("PiecePreviews=10"), 16, "PiecePreviews=4");
    expected.replace(expected.find("KEY_LETTER_A=97"), 15, "KEY_LETTER_A=113");
    expected.replace(expected.find("KEY_LETTER_Q=113"), 16, "KEY_LETTER_Q=97");
    EXPECT_EQ(settings_text(state), expected);
}

TEST_F(SettingsTest, FilesThatHoldNothingLeaveTheDefaults) {
    import_text("#TapFall settings file\n#Note: Everything here is case-sensitive!\n");
    EXPECT_EQ(settings_text(state), DEFAULT_FILE);
    import_text("");
    EXPECT_EQ(settings_text(state), DEFAULT_FILE);
    import_settings(state, dir.file("missing.ini"));
    EXPECT_EQ(settings_text(state), DEFAULT_FILE);
    // A directory in place of the file reads as nothing.
    import_settings(state, dir.path().string());
    EXPECT_EQ(settings_text(state), DEFAULT_FILE);
}

TEST_F(SettingsTest, BastetFromTheFileTurnsOffPreviewsAndHoldAfterTheLastLine) {
    import_text("Randomizer=Bastet\n");
    std::string expected = default_with("HoldAllowed=TRUE", "HoldAllowed=FALSE");
    expected.replace(expected.find("PiecePreviews=10"), 16, "PiecePreviews=0");
    expected.replace(expected.find("Randomizer=Bag"), 14, "Randomizer=Bastet");
    EXPECT_EQ(settings_text(state), expected);

    // Lines after it cannot bring them back.
    state.init();
    import_text("Randomizer=Bastet\nPiecePreviews=5\nHoldAllowed=TRUE");
    EXPECT_EQ(settings_text(state), expected);
}

TEST_F(SettingsTest, SavingAndReadingBackReproducesEverySettingAndKeyCode) {
    const std::string names[][3] = {{"10-Key", "Right-aligned", "History (6 roll)"},
                                    {"40-Key", "Leftmost lowest", "Random"},
                                    {"40-Key-Inverse", "Rightmost lowest", "I-Cheat"},
                                    {"40-Key-Inverse", "Center-aligned", "Bag"}};
    int round = 0;
    for (const auto& [input, mask, randomizer] : names) {
        GameState saved;
        bool flag = round % 2 == 0;
        for (bool GameRecord::*field :
             {&GameRecord::ars, &GameRecord::auto_screenshot, &GameRecord::big_mode,
              &GameRecord::column_clamp, &GameRecord::deep_drop, &GameRecord::double_hold,
              &GameRecord::hold_allowed, &GameRecord::hold_orient, &GameRecord::music_mode,
              &GameRecord::practice_mode, &GameRecord::rotation_guide, &GameRecord::sound}) {
            saved.*field = flag;
            flag = !flag;
        }
        saved.game_mode = round % 3;
        saved.piece_previews = round * 3;
        saved.input_type = make_input_type(input);
        saved.piece_mask_type = make_piece_mask_type(mask);
        saved.randomizer = make_randomizer(randomizer);
        const KeyCode hostile[] = {-5, INT_MAX, INT_MIN, 99999, 0, 283, 13};
        for (int i = 0; i < KEY_BINDINGS; ++i)
            saved.key_config.bindings[i] = i % 3 == 0 ? hostile[i % 7] : 200 + i * 7 + round;

        ASSERT_TRUE(export_settings(saved, dir.file("TapFall.ini")));
        GameState loaded;
        import_settings(loaded, dir.file("TapFall.ini"));
        EXPECT_EQ(settings_text(loaded), settings_text(saved)) << input << mask << randomizer;
        for (int i = 0; i < KEY_BINDINGS; ++i)
            EXPECT_EQ(loaded.key_config.bindings[i], saved.key_config.bindings[i]);
        ++round;
    }
}

TEST_F(SettingsTest, AGameModeOutsideTheThreeIsWrittenEmpty) {
    state.game_mode = 7;
    EXPECT_EQ(settings_text(state), default_with("GameMode=40Lines", "GameMode="));
}

// Makes every file write of this process fail after `bytes` bytes, for as long as it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        old_handler_ = signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limited = old_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        signal(SIGXFSZ, old_handler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_;
    sighandler_t old_handler_;
};

TEST_F(SettingsTest, AFailedSaveLeavesTheOldFileAsItWas) {
    const std::string old_text = "Sound=FALSE\nKEY_LETTER_A=113\n";
    dir.write("TapFall.ini", old_text);
    state.piece_previews = 3;
    {
        // Works for every user, root included: the write itself fails half-way.
        FileSizeLimit limit(64);
        EXPECT_FALSE(export_settings(state, dir.file("TapFall.ini")));
    }
    EXPECT_EQ(dir.read("TapFall.ini"), old_text);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"TapFall.ini"});

    GameState reread;
    import_settings(reread, dir.file("TapFall.ini"));
    EXPECT_FALSE(reread.sound);
    EXPECT_EQ(reread.key_config.bindings[10], 113);
}

TEST_F(SettingsTest, ASaveThatCannotReplaceTheFileReportsFailureAndLeavesNoTrace) {
    // A non-empty directory where the file should be: even root cannot rename over it.
    std::filesystem::create_directory(dir.file("TapFall.ini"));
    dir.write("TapFall.ini/keep", "kept");
    EXPECT_FALSE(export_settings(state, dir.file("TapFall.ini")));
    EXPECT_EQ(dir.read("TapFall.ini/keep"), "kept");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"TapFall.ini"});

    EXPECT_FALSE(export_settings(state, dir.file("missing/TapFall.ini")));
}

TEST_F(SettingsTest, ASaveIntoAReadOnlyDirectoryFailsAndKeepsTheOldFile) {
    if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind root; covered by the size limit";
    dir.write("TapFall.ini", "ARS=TRUE\n");
    chmod(dir.path().c_str(), 0555);
    EXPECT_FALSE(export_settings(state, dir.file("TapFall.ini")));
    chmod(dir.path().c_str(), 0755);
    EXPECT_EQ(dir.read("TapFall.ini"), "ARS=TRUE\n");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"TapFall.ini"});
}

TEST_F(SettingsTest, ASaveReplacesTheOldFileAndKeepsItsPermissions) {
    dir.write("TapFall.ini", "ARS=TRUE\njunk that must go\n");
    chmod(dir.file("TapFall.ini").c_str(), 0640);
    ASSERT_TRUE(export_settings(state, dir.file("TapFall.ini")));
    EXPECT_EQ(dir.read("TapFall.ini"), DEFAULT_FILE);
    struct stat info;
    ASSERT_EQ(stat(dir.file("TapFall.ini").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"TapFall.ini"});
}

}  // namespace
