#include "app/command_line.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "persist/records_file.h"
#include "stats/records_report.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

// The command of the words of `line`.
Command parse(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return parse_command_line(words);
}

// A command's exit status, then what it printed to standard output and to standard error, "|"
// before each.
std::string run(const std::string& line) {
    char *out = nullptr, *err = nullptr;
    size_t out_size = 0, err_size = 0;
    std::FILE *out_file = open_memstream(&out, &out_size), *err_file = open_memstream(&err, &err_size);
    const int status = run_text_command(parse(line), out_file, err_file);
    std::fclose(out_file);
    std::fclose(err_file);
    const std::string printed = std::to_string(status) + "|" + out + "|" + err;
    std::free(out);
    std::free(err);
    return printed;
}

}  // namespace

TEST(CommandLine, RefusesWhatItCannotFollowAndPrintsWithoutAWindow) {
    EXPECT_EQ((std::vector<std::string>{(fs::current_path() / "a.replay").string(), "/b.replay"}),
              parse("--keys a.replay /b.replay").replays);
    EXPECT_EQ("/c.svg /c=.svg",
              parse("--records --chart /c.svg").chart + " " + parse("--records --chart=/c=.svg").chart);
    EXPECT_EQ("/d.replay /-d.replay", parse("--replay /d.replay").replay + " " + parse("--replay=/-d.replay").replay);
    EXPECT_EQ(std::vector<std::string>{"/-e.replay"}, parse("--keys -- /-e.replay").replays);
    for (const char* wrong : {"--replay", "--replay a b", "--chart c.svg", "--records --chart", "--keys --records",
                              "--records --chart a --chart b", "--help --version", "play",
                              "--replay=", "--keys -e.replay", "-- --help", "-x"})
        EXPECT_NE("", parse(wrong).error) << wrong;
    EXPECT_NE("", parse_command_line({"--records", "--chart", ""}).error);
    EXPECT_EQ("'--records' takes no value", parse("--records=yes").error);
    // GNU's layout: lines within 79 columns, and the exit statuses.
    const std::string help = run("--help");
    for (size_t start = 0, end; (end = help.find('\n', start)) != std::string::npos; start = end + 1)
        EXPECT_LE(end - start, 79u) << help.substr(start, end - start);
    EXPECT_EQ(0u, help.find("0|Usage: tapfall\n"));
    EXPECT_NE(std::string::npos, help.find("\nExit status:\n 0  if OK,\n"));
    EXPECT_EQ(0u, run("--version")
                      .find(std::string("0|tapfall ") + TAPFALL_VERSION +
                            "\nCopyright (C) 2026 The Tapfall developers\nLicense GPLv3+: "));
    // Output that cannot be written is an error.
    std::FILE *full = std::fopen("/dev/full", "w"), *err = std::tmpfile();
    EXPECT_EQ(2, run_text_command(parse("--version"), full, err));
    std::fclose(full);
    std::fclose(err);

    const TempDir dir;
    const fs::path previous = fs::current_path();
    fs::current_path(dir.path());
    const std::string no_games = "0|No finished games are recorded yet.\n|";
    EXPECT_EQ(no_games, run("--records --chart chart.svg"));
    EXPECT_EQ(no_games, run("--records --chart chart.svg"));  // its own chart, replaced
    const std::string chart = dir.read("chart.svg");
    EXPECT_EQ(0u, chart.find(CHART_START));
    // Nothing but a chart of its own is replaced, no link is followed, and a full disk leaves the
    // old chart as it was.
    dir.write("TapFall-records.csv", RECORDS_HEADER);
    dir.write("notes.txt", "<svg> of my own");
    fs::create_symlink("nowhere.svg", dir.file("dangling.svg"));
    fs::create_symlink("chart.svg", dir.file("link.svg"));
    for (const char* target : {"TapFall-records.csv", "dangling.svg", "link.svg", "missing/c.svg"})
        EXPECT_EQ(0u, run(std::string("--records --chart ") + target).find("2||tapfall: ")) << target;
    EXPECT_EQ("2||tapfall: " + dir.file("notes.txt") +
                  " is there already, and not written by this program: it is left as it is\n",
              run("--records --chart notes.txt"));
    {
        FileSizeLimit full_disk(10);
        EXPECT_EQ(0u, run("--records --chart chart.svg").find("2||tapfall: cannot write "));
    }
    EXPECT_EQ(RECORDS_HEADER, dir.read("TapFall-records.csv"));
    EXPECT_EQ("<svg> of my own", dir.read("notes.txt"));
    EXPECT_EQ(chart, dir.read("chart.svg"));
    EXPECT_FALSE(fs::exists(dir.file("nowhere.svg")));
    // A records file that cannot be read says so; lines that are no game are counted.
    dir.write("TapFall-records.csv", std::string(RECORDS_HEADER) + "a,b\r\n\n");
    EXPECT_EQ(
        no_games + "tapfall: 1 line of TapFall-records.csv read as no game, foreign or damaged, and was skipped\n",
        run("--records"));
    fs::remove(dir.file("TapFall-records.csv"));
    fs::create_directory(dir.file("TapFall-records.csv"));
    EXPECT_EQ("2||tapfall: cannot read TapFall-records.csv: Is a directory\n", run("--records"));
    fs::remove(dir.file("TapFall-records.csv"));
    EXPECT_EQ("2||tapfall: no replay to read: finish a game first\n", run("--keys"));
    dir.write("bad.replay", "#TapFall replay 1\npress=x\n");
    EXPECT_EQ("2||tapfall: bad.replay:2: a key before any piece was dealt\n", run("--keys bad.replay"));
    // Of the replays kept, one that cannot be followed is passed over.
    dir.write("good.replay", "#TapFall replay 1\ndeals=I\n");
    EXPECT_EQ(
        "0|1 game\nNo keys were pressed in these games.\n|tapfall: bad.replay:2: a key before any piece was "
        "dealt; passed over\n",
        run("--keys"));
    fs::current_path(previous);
}
