#include "persist/settings_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <iterator>
#include <sstream>

#include "persist/file_io.h"
#include "support/as_player.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

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

// The lines of the file that differ from the defaults', "; " between them.
std::string changed(const Settings& settings) {
    std::istringstream now(settings_text(settings)), before(DEFAULT_FILE);
    std::string list;
    for (std::string line, old; std::getline(now, line) && std::getline(before, old);)
        if (line != old) list += (list.empty() ? "" : "; ") + line;
    return list;
}

class SettingsFile : public ::testing::Test {
protected:
    std::string path() const { return dir.file("TapFall.ini"); }
    TempDir dir;
};

}  // namespace

TEST(SettingsLines, AreReadWithTheQuirksOfTheFile) {
    const char* const cases[] = {
        "Sound=true -> Sound=FALSE", "Sound=FALSE|Sound:TRUE -> ", "ARS=TRUEX -> ARS=TRUE",
        "PiecePreviews=7 -> PiecePreviews=7", "PiecePreviews=7|PiecePreviews=123 -> ",
        "PiecePreviews=-3 -> PiecePreviews=0", "PiecePreviews= 5 -> PiecePreviews=5",
        "PiecePreviews=x -> PiecePreviews=0", "GameMode=2Minutes -> GameMode=2Minutes",
        "InputType=40-Key-Inverse -> InputType=40-Key-Inverse", "InputType=40-Key-Inv -> InputType=40-Key",
        "PieceMaskType=Rightmost lowest -> PieceMaskType=Rightmost lowest", "Randomizer=I-Cheat -> Randomizer=I-Cheat",
        "KEY_LETTER_A=113 -> KEY_LETTER_A=113", "KEY_SPACE:33 junk -> KEY_SPACE=33", "KEY_SLASH= -47 -> KEY_SLASH=-47",
        "KEY_NUMBER_9=99999999999999|KEY_BACKSPACE=-99999999999999 -> "
        "KEY_NUMBER_9=2147483647; KEY_BACKSPACE=-2147483648",
        // Lines that are no entry, or hold no value, change nothing.
        "GameMode=2Minutes|InputType=40-Key|Randomizer=Random|ARS|Sound|GameMode|KEY_LETTER_A|KEY_LETTER_F=|"
        "KEY_BACKSPACE=abc|KEY_COMMA= x1| Sound=FALSE|sound=FALSE|Foo=1|KEY_LETTER_a=5|GameMode=endless|"
        "GameMode=40Line|InputType=12-Key|Randomizer=bag -> GameMode=2Minutes; InputType=40-Key; Randomizer=Random",
        // The first name of each family is read like the others.
        "GameMode=2Minutes|InputType=40-Key|Randomizer=Random|PieceMaskType=Right-aligned|GameMode=40Lines|"
        "InputType=10-Key|Randomizer=Bag|PieceMaskType=Left-aligned|KEY_LETTER_Q=97|KEY_LETTER_A=113 -> "
        "KEY_LETTER_A=113; KEY_LETTER_Q=97"};
    // Lines read in turn, "|" between them -> the lines that then differ from the defaults'.
    for (const std::string c : cases) {
        Settings settings;
        std::istringstream in(c.substr(0, c.find(" -> ")));
        for (std::string line; std::getline(in, line, '|');) process_line(line, settings);
        EXPECT_EQ(c.substr(c.find(" -> ") + 4), changed(settings)) << c;
    }
}

// A whole file: comments, empty lines and both kinds of line end; Bastet comes without previews
// or hold; a line longer than any real one is read up to its bound and the rest of it skipped.
// Anything but a regular file reads as nothing: a FIFO would hang the start, a device never end.
TEST_F(SettingsFile, IsReadWholeAndOnlyWhenItIsARegularFile) {
    dir.write("TapFall.ini", "#ARS=TRUE\n\nPiecePreviews=3\r\nRandomizer=Bastet\r\nHoldAllowed=TRUE\nKEY_LETTER_A=" +
                                 std::string(MAX_LINE_BYTES - 14, '0') + "12\n" + std::string(MAX_LINE_BYTES, 'x') +
                                 "Sound=FALSE\nBigMode=TRUE");
    ASSERT_EQ(0, mkfifo(dir.file("fifo").c_str(), 0644));
    fs::create_symlink("/dev/zero", dir.file("zero"));
    for (const char* name : {"TapFall.ini", "", "fifo", "zero", "missing"}) {
        Settings read;
        import_settings(read, dir.file(name));
        const bool whole = std::string(name) == "TapFall.ini";
        EXPECT_EQ(whole ? "BigMode=TRUE; HoldAllowed=FALSE; PiecePreviews=0; Randomizer=Bastet; KEY_LETTER_A=1" : "",
                  changed(read));
    }
}

// A save replaces the file through a temporary one, or, in a folder that takes no new file,
// writes it in place. Either way it keeps the file's mode, and when it fails (a full disk, a file
// the player may not write, or one write-only, which could not be put back) it leaves the old
// file as it was and no other.
TEST_F(SettingsFile, ASaveKeepsTheOldFileWhenItFailsAndRespectsThePermissionsOfTheFileNotOfTheFolder) {
    const struct {
        mode_t folder, file;
        bool full_disk, saved;
    } cases[] = {{0755, 0640, true, false}, {0755, 0444, false, false}, {0755, 0000, false, false},
                 {0755, 0640, false, true}, {0555, 0644, true, false},  {0555, 0200, false, false},
                 {0555, 0640, false, true}};
    for (const auto& c : cases) {
        dir.write("TapFall.ini", "old");
        chmod(path().c_str(), c.file);
        chmod(dir.path().c_str(), c.folder);
        EXPECT_EQ(c.saved, as_player(dir.path(), [&] {
                      const FileSizeLimit disk(c.full_disk ? 30 : RLIM_INFINITY);
                      return export_settings(Settings{}, path());
                  }));
        chmod(dir.path().c_str(), 0755);
        struct stat info;
        EXPECT_EQ(c.file, stat(path().c_str(), &info) == 0 ? info.st_mode & 07777 : 1) << c.folder << " " << c.file;
        EXPECT_EQ(c.saved ? DEFAULT_FILE : "old", dir.read("TapFall.ini"));
        EXPECT_EQ(std::vector<std::string>{"TapFall.ini"}, dir.entries());
    }
}

// A folder in the way cannot be replaced, even by root; a save through links writes the file
// they lead to.
TEST_F(SettingsFile, ASaveWritesThroughLinksButReplacesNoFolder) {
    fs::create_directories(dir.file("TapFall.ini/keep"));
    EXPECT_FALSE(export_settings(Settings{}, path()));
    EXPECT_EQ(std::vector<std::string>{"TapFall.ini"}, dir.entries());
    fs::remove_all(path());
    fs::create_directory(dir.file("real"));
    dir.write("real/settings.ini", "old");
    fs::create_symlink("s", path());
    fs::create_symlink("real/settings.ini", dir.file("s"));
    ASSERT_TRUE(export_settings(Settings{}, path()));
    EXPECT_TRUE(fs::is_symlink(path()));
    EXPECT_EQ(DEFAULT_FILE, dir.read("real/settings.ini"));
    EXPECT_EQ(1, std::distance(fs::directory_iterator(dir.file("real")), {}));
}
