#include "persist/settings_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <climits>
#include <filesystem>

#include "persist/file_io.h"
#include "support/as_player.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

namespace {

// The 61 lines the default settings make, exactly.
const char* const DEFAULT_FILE =
    "#TapFall settings file\n#Note: Everything here is case-sensitive!\n"
    "ARS=FALSE\nAutoScreenshot=TRUE\nBigMode=FALSE\nColumnClamp=TRUE\nDeepDrop=TRUE\nDoubleHold=TRUE\n"
    "GameMode=40Lines\nHoldAllowed=TRUE\nHoldOrient=FALSE\nInputType=10-Key\nMusicMode=FALSE\n"
    "PieceMaskType=Left-aligned\nPiecePreviews=10\nPracticeMode=FALSE\nRandomizer=Bag\nRotationGuide=FALSE\n"
    "Sound=TRUE\nKEY_LETTER_A=97\nKEY_LETTER_B=98\nKEY_LETTER_C=99\nKEY_LETTER_D=100\nKEY_LETTER_E=101\n"
    "KEY_LETTER_F=102\nKEY_LETTER_G=103\nKEY_LETTER_H=104\nKEY_LETTER_I=105\nKEY_LETTER_J=106\n"
    "KEY_LETTER_K=107\nKEY_LETTER_L=108\nKEY_LETTER_M=109\nKEY_LETTER_N=110\nKEY_LETTER_O=111\n"
    "KEY_LETTER_P=112\nKEY_LETTER_Q=113\nKEY_LETTER_R=114\nKEY_LETTER_S=115\nKEY_LETTER_T=116\n"
    "KEY_LETTER_U=117\nKEY_LETTER_V=118\nKEY_LETTER_W=119\nKEY_LETTER_X=120\nKEY_LETTER_Y=121\n"
    "KEY_LETTER_Z=122\nKEY_NUMBER_0=48\nKEY_NUMBER_1=49\nKEY_NUMBER_2=50\nKEY_NUMBER_3=51\nKEY_NUMBER_4=52\n"
    "KEY_NUMBER_5=53\nKEY_NUMBER_6=54\nKEY_NUMBER_7=55\nKEY_NUMBER_8=56\nKEY_NUMBER_9=57\nKEY_SEMICOLON=59\n"
    "KEY_COMMA=44\nKEY_PERIOD=46\nKEY_SLASH=47\nKEY_BACKSPACE=8\nKEY_SPACE=32\n";

// The default file with each given line in place of the line with the same key.
std::string default_with(std::initializer_list<std::string> lines) {
    std::string text = DEFAULT_FILE;
    for (const std::string& line : lines) {
        const size_t at = text.find("\n" + line.substr(0, line.find('=') + 1)) + 1;
        text.replace(at, text.find('\n', at) - at, line);
    }
    return text;
}

class SettingsFile : public ::testing::Test {
protected:
    std::string path() const { return dir.file("TapFall.ini"); }
    std::string import_text(const std::string& text) {
        dir.write("TapFall.ini", text);
        Settings read;
        import_settings(read, path());
        return settings_text(read);
    }
    TempDir dir;
};

}  // namespace

// Single lines are read in scenarios/settings_file.txt.

TEST_F(SettingsFile, AWholeFileIsReadLineByLineAndBastetComesWithoutPreviewsOrHold) {
    EXPECT_EQ(default_with({"BigMode=TRUE", "PiecePreviews=4", "KEY_LETTER_A=113", "KEY_LETTER_Q=97"}),
              import_text("#ARS=TRUE\n\nPiecePreviews=3\r\nBigMode=TRUE\r\nPiecePreviews=4\nKEY_LETTER_Q=97\n"
                          "KEY_LETTER_A=113"));
    EXPECT_EQ(default_with({"HoldAllowed=FALSE", "PiecePreviews=0", "Randomizer=Bastet"}),
              import_text("Randomizer=Bastet\nPiecePreviews=5\nHoldAllowed=TRUE"));
    // A line longer than any real one is read up to its bound and the rest of it skipped.
    EXPECT_EQ(default_with({"BigMode=TRUE", "KEY_LETTER_A=1"}),
              import_text("KEY_LETTER_A=" + std::string(MAX_LINE_BYTES - 14, '0') + "12\n" +
                          std::string(MAX_LINE_BYTES, 'x') + "Sound=FALSE\nBigMode=TRUE"));
}

TEST_F(SettingsFile, OnlyARegularFileIsRead) {
    // A folder reads as nothing, a FIFO would hang the start and a device would never end.
    ASSERT_EQ(0, mkfifo(dir.file("fifo").c_str(), 0644));
    std::filesystem::create_symlink("/dev/zero", dir.file("zero"));
    for (const char* name : {"", "fifo", "zero", "missing"}) {
        Settings read;
        import_settings(read, dir.file(name));
        EXPECT_EQ(DEFAULT_FILE, settings_text(read)) << name;
    }
}

TEST_F(SettingsFile, SavingAndReadingBackGivesEverySettingAndKeyCode) {
    Settings saved;
    saved.ars = saved.music_mode = true;
    saved.sound = false;
    saved.game_mode = GameMode::Endless;
    saved.randomizer = 1;
    saved.placement_system = 3;
    saved.piece_previews = 0;
    saved.key_bindings.keys[0] = INT_MIN;
    ASSERT_TRUE(export_settings(saved, path()));
    EXPECT_EQ(default_with({"ARS=TRUE", "MusicMode=TRUE", "Sound=FALSE", "GameMode=Endless", "Randomizer=History (6 roll)",
                            "PieceMaskType=Leftmost lowest", "PiecePreviews=0", "KEY_NUMBER_0=-2147483648"}),
              dir.read("TapFall.ini"));
    EXPECT_EQ(settings_text(saved), import_text(dir.read("TapFall.ini")));
}

TEST_F(SettingsFile, ASaveKeepsTheOldFileWhenItFailsAndNeverLeavesATemporaryFile) {
    dir.write("TapFall.ini", "old");
    chmod(path().c_str(), 0640);
    {
        FileSizeLimit full_disk(30);
        EXPECT_FALSE(export_settings(Settings{}, path()));
    }
    EXPECT_EQ("old", dir.read("TapFall.ini"));
    ASSERT_TRUE(export_settings(Settings{}, path()));
    struct stat info;
    ASSERT_EQ(0, stat(path().c_str(), &info));
    EXPECT_EQ(0640u, info.st_mode & 07777);
    // A folder in the way cannot be replaced, even by root.
    std::filesystem::remove(path());
    std::filesystem::create_directories(dir.file("TapFall.ini/keep"));
    EXPECT_FALSE(export_settings(Settings{}, path()));
    EXPECT_EQ(std::vector<std::string>{"TapFall.ini"}, dir.entries());
}

TEST_F(SettingsFile, ASaveThroughALinkWritesTheFileItLeadsTo) {
    std::filesystem::create_directory(dir.file("real"));
    dir.write("real/settings.ini", "old");
    std::filesystem::create_symlink("real/settings.ini", path());
    ASSERT_TRUE(export_settings(Settings{}, path()));
    EXPECT_TRUE(std::filesystem::is_symlink(path()));
    EXPECT_EQ(DEFAULT_FILE, dir.read("real/settings.ini"));
    EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator(dir.file("real")), {}));
}

TEST_F(SettingsFile, ASaveRespectsThePermissionsOfTheFileNotOfTheFolder) {
    // Read-only or unreadable: refused and kept, as a plain write would have to.
    for (mode_t protected_mode : {0444, 0000}) {
        dir.write("TapFall.ini", "old");
        chmod(path().c_str(), protected_mode);
        EXPECT_FALSE(as_player(dir.path(), [&] { return export_settings(Settings{}, path()); }));
        chmod(path().c_str(), 0644);
        EXPECT_EQ("old", dir.read("TapFall.ini"));
        EXPECT_EQ(std::vector<std::string>{"TapFall.ini"}, dir.entries());
    }
    // Writable, in a folder that takes no new file: written in place.
    chmod(dir.path().c_str(), 0555);
    EXPECT_TRUE(as_player(dir.path(), [&] { return export_settings(Settings{}, path()); }));
    chmod(dir.path().c_str(), 0755);
    EXPECT_EQ(DEFAULT_FILE, dir.read("TapFall.ini"));
    EXPECT_EQ(std::vector<std::string>{"TapFall.ini"}, dir.entries());
}
