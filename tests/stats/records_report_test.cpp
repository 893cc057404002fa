#include "stats/records_report.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace {

// A game of 40-Key, Bag, Left-aligned.
Record game(const std::string& date, const char* mode, uint32_t time_ms, int lines) {
    return {date, mode, "40-Key", "Bag", "Left-aligned", false, false, difficulty_of(Settings()), time_ms, 0, lines, 0};
}

// Six games of four kinds, one of them played in practice only.
const std::vector<Record> RECORDS = read_records(TAPFALL_TEST_DIR "/stats/records.csv").records;

}  // namespace

TEST(RecordsReport, GivesTheBestOfEveryKindAndTheTrendAndChartOfTheKindPlayedMost) {
    EXPECT_EQ(read_text(TAPFALL_TEST_DIR "/stats/records_report.txt"), records_report(RECORDS));
    EXPECT_EQ("No finished games are recorded yet.\n", records_report({}));
    // More lines is better, and the last ten only count.
    std::vector<Record> two_minutes;
    for (int lines : {90, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100})
        two_minutes.push_back(game("", "2Minutes", 0, lines));
    EXPECT_DOUBLE_EQ(10, trend_per_game({two_minutes.begin() + 1, two_minutes.end()}));
    EXPECT_NE(std::string::npos, records_report(two_minutes).find("Trend: better by 10.00 lines a game\n"));
    EXPECT_EQ(0, trend_per_game({two_minutes[0]}));
    // One game is one game, and has no trend; less than a millisecond a game is no change.
    EXPECT_EQ(
        "Personal bests (practice games do not count):\n  2Minutes, 40-Key, Bag, Left-aligned: 90 lines on \n\n"
        "Most played: 2Minutes, 40-Key, Bag, Left-aligned, 1 game. The last:\n    90 lines\n",
        records_report({two_minutes[0]}));
    const Record forty = game("2026-12-01 10:00:00", "40Lines", 40000, 40);
    const Record later = game("2026-12-02 10:00:00", "40Lines", 40000, 40);
    EXPECT_NE(std::string::npos, records_report({forty, later}).find("Trend: steady\n"));
    EXPECT_NE(std::string::npos, records_report({forty, later}).find(": 40.000 s on 2026-12-01 10:00:00\n"));
    // Games of one moment stand in the middle, their date under them.
    EXPECT_NE(std::string::npos, records_chart({forty, forty})
                                     .find("<text x=\"345.0\" y=\"328.0\" fill=\"#c0c0c0\" text-anchor=\"middle\">"
                                           "2026-12-01</text>"));

    // Four games placed by their dates, the time growing upward: 50 s at the top, 45 s at the bottom;
    // the best of the games that count as a line; the practice game in the legend's colour.
    const std::string chart = records_chart(RECORDS);
    EXPECT_EQ(0u, chart.find(std::string(CHART_START) + "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"640.0\""));
    for (const char* part :
         {"height=\"360.0\" viewBox=\"0 0 640.0 360.0\"", "40Lines, 40-Key, Bag, Left-aligned: time in seconds",
          "cx=\"430.0\" cy=\"36.0\" r=\"3\" fill=\"#40ffc0\"/>\n<text x=\"438.0\" y=\"40.0\" fill=\"#c0c0c0\" "
          "text-anchor=\"start\">game<",
          "cx=\"500.0\" cy=\"36.0\" r=\"3\" fill=\"#0080ff\"/>\n<text x=\"508.0\" y=\"40.0\" fill=\"#c0c0c0\" "
          "text-anchor=\"start\">practice game<",
          "points=\"70.0,50.0 261.0,310.0 436.7,232.0 620.0,206.0 \"", "y1=\"232.0\" x2=\"620.0\" y2=\"232.0\"",
          ">best 46.500 s</text>", ">47.5</text>", ">2026-12-04</text>",
          "<circle cx=\"261.0\" cy=\"310.0\" r=\"3\" fill=\"#0080ff\""})
        EXPECT_NE(std::string::npos, chart.find(part)) << part;
    EXPECT_NE(std::string::npos, records_chart({}).find("No finished games are recorded yet."));
    // Games an hour apart are an hour apart, across the end of a month too; marks differ, also where
    // the results do not; of equal results, the first is the best.
    const std::vector<Record> even = {game("2026-02-28 23:00:00", "2Minutes", 0, 90),
                                      game("2026-03-01 00:00:00", "2Minutes", 0, 90),
                                      game("2026-03-01 01:00:00", "2Minutes", 0, 90)};
    EXPECT_NE(std::string::npos, records_chart(even).find("points=\"70.0,310.0 345.0,310.0 620.0,310.0 \""));
    EXPECT_NE(std::string::npos, records_chart(even).find(">90.5</text>"));
    EXPECT_NE(std::string::npos, records_report(even).find(": 90 lines on 2026-02-28 23:00:00\n"));
    // A hundred thousand games, a second apart (the seconds may run past the minute), make one point a
    // pixel: 551 from x 70 to 620, and the legend's two.
    std::vector<Record> many;
    for (int i = 0; i < 100000; ++i)
        many.push_back(game("2026-12-01 00:00:" + std::to_string(i), "40Lines", 40000 + i % 1000, 40));
    const std::string crowded = records_chart(many);
    size_t dots = 0;
    for (size_t at = crowded.find("<circle"); at != std::string::npos; at = crowded.find("<circle", at + 1)) ++dots;
    EXPECT_EQ(553u, dots);
}
