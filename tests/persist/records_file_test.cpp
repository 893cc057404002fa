#include "persist/records_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <tuple>

#include "persist/settings_file.h"
#include "rules/session.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

namespace {

const std::string FORTY =
    "2026-12-07 14:05:09,40Lines,40-Key,I-Cheat,Center-aligned,TRUE,FALSE,45.123,45.123,101,40,102,"
    "134.30,1.01,FALSE,TRUE,TRUE,FALSE,3,FALSE,ARS";
// A line of the first columns, from before the rest were kept: the defaults. No piece makes no
// pieces a minute and no keys per piece.
const std::string OLD_TWO =
    "2026-12-07 14:09:00,2Minutes,10-Key,Bag,Right-aligned,FALSE,TRUE,52,120.000,0,52,260,0.00,0.00";
const std::string TWO = OLD_TWO + ",TRUE,TRUE,TRUE,TRUE,10,FALSE,SRS";

}  // namespace

TEST(RecordsFile, AFinishedGameIsOneLineAddedWholeOrNotAtAllThatReadsBackAsItself) {
    setenv("TZ", "UTC", 1);
    Session session;
    for (const char* line : {"InputType=40-Key", "Randomizer=I-Cheat", "PieceMaskType=Center-aligned", "BigMode=TRUE",
                             "DeepDrop=FALSE", "DoubleHold=FALSE", "PiecePreviews=3", "ARS=TRUE"})
        process_line(line, session.settings);
    session.game.start_ticks = 4000000000u;
    session.game.end_ticks = session.game.start_ticks + 45123;  // across the clock's wrap
    std::tie(session.game.pieces, session.game.lines, session.game.keys) = std::tuple(101, 40, 102);
    EXPECT_EQ(FORTY, record_line(record_of(session, 1796652309)));
    EXPECT_EQ(FORTY, record_line(parse_record(FORTY).value()));
    EXPECT_EQ(TWO, record_line(parse_record(TWO).value()));
    EXPECT_EQ(TWO, record_line(parse_record(OLD_TWO).value()));
    // A line that is not whole, or that something changed, is no record.
    for (const std::string& line :
         {FORTY.substr(0, 80), FORTY + ",", "2026-12-07T" + FORTY.substr(11), "X" + FORTY.substr(1),
          OLD_TWO.substr(0, OLD_TWO.size() - 1) + "1",  // keys per piece
          "2026-12-07 14:05:09,Endless" + FORTY.substr(27),
          "2026-12-07 14:05:09,40Lines,40-Key,Mystery," + FORTY.substr(43), OLD_TWO + ",TRUE",
          FORTY.substr(0, FORTY.size() - 11) + "11,FALSE,ARS", FORTY.substr(0, FORTY.size() - 3) + "XRS",
          FORTY.substr(0, FORTY.size() - 17) + "yes,TRUE,FALSE,3,FALSE,ARS"})
        EXPECT_FALSE(parse_record(line)) << line;

    // Added whole or not at all, after the header; the header and foreign lines are skipped.
    const TempDir dir;
    const std::string path = dir.file("records.csv");
    const Record forty = parse_record(FORTY).value(), two = parse_record(TWO).value();
    EXPECT_TRUE(append_record(forty, path));
    dir.write("foreign.csv", "a,b\n" + std::string(RECORDS_HEADER).substr(0, 138) + "\n" + OLD_TWO + "\n");
    {
        FileSizeLimit full_disk(std::filesystem::file_size(path) + 10);
        EXPECT_FALSE(append_record(two, path));
    }
    EXPECT_TRUE(append_record(two, path));
    EXPECT_EQ(RECORDS_HEADER + FORTY + "\n" + TWO + "\n", dir.read("records.csv"));
    // What reading a file found: its games, the lines skipped, and why it could not be read.
    const auto read = [&](const std::string& name) {
        const RecordsRead found = read_records(dir.file(name));
        return std::to_string(found.records.size()) + " " + std::to_string(found.skipped) + found.error;
    };
    EXPECT_EQ("2 0", read("records.csv"));
    EXPECT_EQ("1 1", read("foreign.csv"));
    EXPECT_EQ("0 0", read("missing.csv"));
    EXPECT_FALSE(append_record(two, dir.file("no folder/records.csv")));
    // A spreadsheet's line ends read as well; a folder is no file; a huge one is read up to a bound.
    dir.write("saved.csv",
              std::string(RECORDS_HEADER).replace(std::strlen(RECORDS_HEADER) - 1, 1, "\r\n") + FORTY + "\r\n");
    EXPECT_EQ("1 0", read("saved.csv"));
    EXPECT_EQ("0 0cannot read " + dir.file("") + ": Is a directory", read(""));
    dir.write("huge.csv", "");
    std::filesystem::resize_file(dir.file("huge.csv"), uintmax_t(100) << 30);  // sparse: no disk taken
    EXPECT_TRUE(read_records(dir.file("huge.csv")).cut);
    // A last line without its line feed keeps its game; one withdrawn goes, the later of two.
    dir.write("cut.csv", RECORDS_HEADER + OLD_TWO);
    EXPECT_TRUE(append_record(forty, dir.file("cut.csv")));
    EXPECT_TRUE(append_record(two, dir.file("cut.csv")));
    EXPECT_TRUE(withdraw_record(two, dir.file("cut.csv")));
    EXPECT_EQ(RECORDS_HEADER + OLD_TWO + "\n" + FORTY + "\n", dir.read("cut.csv"));
    EXPECT_FALSE(withdraw_record(two, path + ".missing"));
}
