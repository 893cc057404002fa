#include "persist/settings_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <sstream>

#include "persist/file_io.h"
#include "support/as_player.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

namespace {

// The file the default settings make: the options by key, then every key bound to itself.
std::string default_file() {
    std::string text =
        "#TapFall settings file\n#Note: Everything here is case-sensitive!\nARS=FALSE\nAutoScreenshot=TRUE\n"
        "BigMode=FALSE\nColumnClamp=TRUE\nDeepDrop=TRUE\nDoubleHold=TRUE\nGameMode=40Lines\nHoldAllowed=TRUE\n"
        "HoldOrient=FALSE\nInputType=10-Key\nMusicMode=FALSE\nPieceMaskType=Left-aligned\nPiecePreviews=10\n"
        "PracticeMode=FALSE\nRandomizer=Bag\nRotationGuide=FALSE\nSound=TRUE\n";
    for (char c = 'A'; c <= 'Z'; ++c)
        text += std::string("KEY_LETTER_") + c + "=" + std::to_string(c - 'A' + 'a') + "\n";
    for (char c = '0'; c <= '9'; ++c) text += std::string("KEY_NUMBER_") + c + "=" + std::to_string(c) + "\n";
    return text + "KEY_SEMICOLON=59\nKEY_COMMA=44\nKEY_PERIOD=46\nKEY_SLASH=47\nKEY_BACKSPACE=8\nKEY_SPACE=32\n";
}
const std::string DEFAULT_FILE = default_file();

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

// Lines read in turn over the default settings, and the lines of the file that then differ from
// the defaults'.
TEST_F(SettingsFile, EachLineIsReadWithTheQuirksOfTheFile) {
    const struct {
        std::vector<std::string> lines;
        std::string changed;
    } cases[] = {
        {{"Sound=true"}, "Sound=FALSE"},
        {{"Sound=FALSE", "Sound:TRUE"}, ""},
        {{"ARS=TRUEX"}, "ARS=TRUE"},
        {{"PiecePreviews=7"}, "PiecePreviews=7"},
        {{"PiecePreviews=7", "PiecePreviews=123"}, ""},
        {{"PiecePreviews=-3"}, "PiecePreviews=0"},
        {{"PiecePreviews= 5"}, "PiecePreviews=5"},
        {{"PiecePreviews=x"}, "PiecePreviews=0"},
        {{"GameMode=2Minutes"}, "GameMode=2Minutes"},
        {{"InputType=40-Key-Inverse"}, "InputType=40-Key-Inverse"},
        {{"InputType=40-Key-Inv"}, "InputType=40-Key"},
        {{"PieceMaskType=Rightmost lowest"}, "PieceMaskType=Rightmost lowest"},
        {{"Randomizer=I-Cheat"}, "Randomizer=I-Cheat"},
        {{"KEY_LETTER_A=113"}, "KEY_LETTER_A=113"},
        {{"KEY_SPACE:33 junk"}, "KEY_SPACE=33"},
        {{"KEY_SLASH= -47"}, "KEY_SLASH=-47"},
        {{"KEY_NUMBER_9=99999999999999", "KEY_BACKSPACE=-99999999999999"},
         "KEY_NUMBER_9=2147483647; KEY_BACKSPACE=-2147483648"},
        // Lines that are no entry, or hold no value, change nothing.
        {{"GameMode=2Minutes", "InputType=40-Key", "Randomizer=Random", "ARS", "Sound", "GameMode", "KEY_LETTER_A",
          "KEY_LETTER_F=", "KEY_BACKSPACE=abc", "KEY_COMMA= x1", " Sound=FALSE", "sound=FALSE", "Foo=1",
          "KEY_LETTER_a=5", "GameMode=endless", "GameMode=40Line", "InputType=12-Key", "Randomizer=bag"},
         "GameMode=2Minutes; InputType=40-Key; Randomizer=Random"},
        // The first name of each family is read like the others.
        {{"GameMode=2Minutes", "InputType=40-Key", "Randomizer=Random", "PieceMaskType=Right-aligned",
          "GameMode=40Lines", "InputType=10-Key", "Randomizer=Bag", "PieceMaskType=Left-aligned"},
         ""},
    };
    for (const auto& c : cases) {
        Settings settings;
        for (const std::string& line : c.lines) process_line(line, settings);
        std::istringstream now(settings_text(settings)), before(DEFAULT_FILE);
        std::string changed;
        for (std::string line, old; std::getline(now, line) && std::getline(before, old);)
            if (line != old) changed += (changed.empty() ? "" : "; ") + line;
        EXPECT_EQ(c.changed, changed) << c.lines.back();
    }
}

TEST_F(SettingsFile, AWholeFileIsReadLineByLineAndBastetComesWithoutPreviewsOrHold) {
    EXPECT_EQ(
        default_with({"BigMode=TRUE", "GameMode=Endless", "PiecePreviews=4", "KEY_LETTER_A=113", "KEY_LETTER_Q=97"}),
        import_text("#ARS=TRUE\n\nPiecePreviews=3\r\nBigMode=TRUE\r\nGameMode=Endless\r\nPiecePreviews=4\n"
                    "KEY_LETTER_Q=97\nKEY_LETTER_A=113"));
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

TEST_F(SettingsFile, ASaveThroughLinksWritesTheFileTheyLeadTo) {
    std::filesystem::create_directory(dir.file("real"));
    dir.write("real/settings.ini", "old");
    std::filesystem::create_symlink("s", path());
    std::filesystem::create_symlink("real/settings.ini", dir.file("s"));
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
    // Writable, in a folder that takes no new file: written in place, or on a full disk kept as
    // it was, and the failure reported.
    chmod(dir.path().c_str(), 0555);
    {
        FileSizeLimit full_disk(30);
        EXPECT_FALSE(as_player(dir.path(), [&] { return export_settings(Settings{}, path()); }));
    }
    // Write-only, it could not be put back: refused.
    chmod(path().c_str(), 0200);
    EXPECT_FALSE(as_player(dir.path(), [&] { return export_settings(Settings{}, path()); }));
    chmod(path().c_str(), 0644);
    EXPECT_EQ("old", dir.read("TapFall.ini"));
    EXPECT_TRUE(as_player(dir.path(), [&] { return export_settings(Settings{}, path()); }));
    chmod(dir.path().c_str(), 0755);
    EXPECT_EQ(DEFAULT_FILE, dir.read("TapFall.ini"));
    EXPECT_EQ(std::vector<std::string>{"TapFall.ini"}, dir.entries());
}
