#include "app/command_line.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "persist/records_file.h"
#include "stats/records_report.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

namespace {

// What a command prints, to standard output and to standard error, and its exit status.
struct Printed {
    std::string out, err;
    int status;
};

Printed run(const std::vector<std::string>& arguments) {
    const Command command = parse_command_line(arguments);
    if (!command.error.empty()) return {"", command.error, 2};
    char *out = nullptr, *err = nullptr;
    size_t out_size = 0, err_size = 0;
    std::FILE *out_file = open_memstream(&out, &out_size), *err_file = open_memstream(&err, &err_size);
    const int status = run_text_command(command, out_file, err_file);
    std::fclose(out_file);
    std::fclose(err_file);
    Printed printed{out, err, status};
    std::free(out);
    std::free(err);
    return printed;
}

}  // namespace

TEST(CommandLine, RefusesWhatItCannotFollowAndPrintsWithoutAWindow) {
    const Command keys = parse_command_line({"--keys", "a.replay", "/b.replay"});
    EXPECT_EQ(CommandKind::Keys, keys.kind);
    EXPECT_EQ((std::vector<std::string>{(std::filesystem::current_path() / "a.replay").string(), "/b.replay"}),
              keys.replays);
    EXPECT_EQ("/c.svg", parse_command_line({"--records", "--chart", "/c.svg"}).chart);
    EXPECT_EQ("/c=.svg", parse_command_line({"--records", "--chart=/c=.svg"}).chart);
    EXPECT_EQ("/d.replay", parse_command_line({"--replay", "/d.replay"}).replay);
    EXPECT_EQ("/-d.replay", parse_command_line({"--replay=/-d.replay"}).replay);
    EXPECT_EQ((std::vector<std::string>{"/-e.replay"}), parse_command_line({"--keys", "--", "/-e.replay"}).replays);
    for (const std::vector<std::string>& wrong : {std::vector<std::string>{"--replay"},
                                                  {"--replay", "a", "b"},
                                                  {"--chart", "c.svg"},
                                                  {"--records", "--chart"},
                                                  {"--records", "--chart", "a", "--chart", "b"},
                                                  {"--keys", "--records"},
                                                  {"--help", "--version"},
                                                  {"-x"},
                                                  {"play"},
                                                  {"--replay="},
                                                  {"--keys", "-e.replay"},
                                                  {"--", "--help"}})
        EXPECT_NE("", parse_command_line(wrong).error) << wrong[0];
    EXPECT_EQ("cannot follow '-x' here (try --help)", parse_command_line({"-x"}).error);
    EXPECT_EQ("'--records' takes no value", parse_command_line({"--records=yes"}).error);
    // GNU's layout: lines within 79 columns, and the exit statuses.
    const std::string help = run({"--help"}).out;
    for (size_t start = 0, end; (end = help.find('\n', start)) != std::string::npos; start = end + 1)
        EXPECT_LE(end - start, 79u) << help.substr(start, end - start);
    EXPECT_NE(std::string::npos, help.find("\nExit status:\n 0  if OK,\n"));
    // Output that cannot be written is an error.
    std::FILE *full = std::fopen("/dev/full", "w"), *err = std::tmpfile();
    EXPECT_EQ(2, run_text_command(parse_command_line({"--version"}), full, err));
    std::fclose(full);
    std::fclose(err);

    const TempDir dir;
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    EXPECT_EQ(0u, run({"--version"})
                      .out.find(std::string("tapfall ") + TAPFALL_VERSION +
                                "\nCopyright (C) 2026 The Tapfall "
                                "developers\nLicense GPLv3+: "));
    EXPECT_EQ(0u, run({"--help"}).out.find("Usage: tapfall\n"));
    EXPECT_EQ("No finished games are recorded yet.\n", run({"--records", "--chart", "chart.svg"}).out);
    EXPECT_EQ(0u, dir.read("chart.svg").find(CHART_START));
    EXPECT_EQ(0, run({"--records", "--chart", "chart.svg"}).status);  // its own chart, replaced
    // Nothing but a chart of its own is replaced, no link is followed, and a full disk leaves the
    // old chart as it was.
    dir.write("TapFall-records.csv", RECORDS_HEADER);
    dir.write("notes.txt", "<svg> of my own");
    std::filesystem::create_symlink("nowhere.svg", dir.file("dangling.svg"));
    std::filesystem::create_symlink("chart.svg", dir.file("link.svg"));
    for (const char* target : {"TapFall-records.csv", "notes.txt", "dangling.svg", "link.svg", "no folder/c.svg", ""})
        EXPECT_EQ(2, run({"--records", "--chart", target}).status) << target;
    EXPECT_EQ(RECORDS_HEADER, dir.read("TapFall-records.csv"));
    EXPECT_EQ("<svg> of my own", dir.read("notes.txt"));
    EXPECT_FALSE(std::filesystem::exists(dir.file("nowhere.svg")));
    EXPECT_EQ("tapfall: " + dir.file("notes.txt") +
                  " is there already, and not written by this program: it is left as "
                  "it is\n",
              run({"--records", "--chart", "notes.txt"}).err);
    const std::string chart = dir.read("chart.svg");
    {
        FileSizeLimit full_disk(10);
        EXPECT_EQ(2, run({"--records", "--chart", "chart.svg"}).status);
    }
    EXPECT_EQ(chart, dir.read("chart.svg"));
    // A records file that cannot be read says so; lines that are no game are counted.
    dir.write("TapFall-records.csv", std::string(RECORDS_HEADER) + "a,b\r\n\n");
    EXPECT_EQ("tapfall: 1 line of TapFall-records.csv read as no game, foreign or damaged, and was skipped\n",
              run({"--records"}).err);
    std::filesystem::remove(dir.file("TapFall-records.csv"));
    std::filesystem::create_directory(dir.file("TapFall-records.csv"));
    EXPECT_EQ("tapfall: cannot read TapFall-records.csv: Is a directory\n", run({"--records"}).err);
    EXPECT_EQ(2, run({"--records"}).status);
    std::filesystem::remove(dir.file("TapFall-records.csv"));
    EXPECT_EQ("tapfall: no replay to read: finish a game first\n", run({"--keys"}).err);
    dir.write("bad.replay", "#TapFall replay 1\npress=x\n");
    const Printed bad = run({"--keys", "bad.replay"});
    EXPECT_EQ(2, bad.status);
    EXPECT_EQ("tapfall: bad.replay:2: a key before any piece was dealt\n", bad.err);
    // Of the replays kept, one that cannot be followed is passed over.
    dir.write("good.replay", "#TapFall replay 1\ndeals=I\n");
    const Printed kept = run({"--keys"});
    EXPECT_EQ("1 game\nNo keys were pressed in these games.\n", kept.out);
    EXPECT_EQ("tapfall: bad.replay:2: a key before any piece was dealt; passed over\n", kept.err);
    std::filesystem::current_path(previous);
}
