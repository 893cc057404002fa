#include "stats/records_report.h"

#include <gtest/gtest.h>

namespace {

// A game of Bag, Left-aligned: date, mode, scheme, time, lines, practice, big.
Record game(const char* date, const char* mode, const char* scheme, uint32_t time_ms, int lines, bool practice = false,
            bool big = false) {
    return {date, mode, scheme, "Bag", "Left-aligned", big, practice, time_ms, 0, lines, 0};
}

const std::vector<Record> RECORDS = {
    game("2026-12-01 10:00:00", "40Lines", "40-Key", 50000, 40),
    game("2026-12-02 10:00:00", "2Minutes", "10-Key", 120000, 52, false, true),
    game("2026-12-02 11:00:00", "40Lines", "40-Key", 45000, 40, true),
    game("2026-12-02 12:00:00", "40Lines", "10-Key", 60000, 40, true),
    game("2026-12-03 10:00:00", "40Lines", "40-Key", 46500, 40),
    game("2026-12-04 10:00:00", "40Lines", "40-Key", 47000, 40),
};

}  // namespace

TEST(RecordsReport, GivesTheBestOfEveryKindAndTheTrendAndChartOfTheKindPlayedMost) {
    EXPECT_EQ("Personal bests (practice games do not count):\n"
              "  40Lines, 40-Key, Bag, Left-aligned: 46.500 s on 2026-12-03 10:00:00\n"
              "  2Minutes, 10-Key, Bag, Left-aligned, big: 52 lines on 2026-12-02 10:00:00\n"
              "  40Lines, 10-Key, Bag, Left-aligned: practice games only\n"
              "\n"
              "Most played: 40Lines, 40-Key, Bag, Left-aligned, 4 games. The last 4:\n"
              "  2026-12-01 10:00:00  50.000 s\n"
              "  2026-12-02 11:00:00  45.000 s (practice)\n"
              "  2026-12-03 10:00:00  46.500 s\n"
              "  2026-12-04 10:00:00  47.000 s\n"
              "Trend: better by 0.75 s a game\n",
              records_report(RECORDS));
    EXPECT_EQ("No finished games are recorded yet.\n", records_report({}));
    // More lines is better, and the last ten only count.
    std::vector<Record> two_minutes;
    for (int lines : {90, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}) two_minutes.push_back(game("", "2Minutes", "10-Key", 0, lines));
    EXPECT_DOUBLE_EQ(10, trend_per_game({two_minutes.begin() + 1, two_minutes.end()}));
    EXPECT_NE(std::string::npos, records_report(two_minutes).find("Trend: better by 10.00 lines a game\n"));
    two_minutes.resize(1);
    EXPECT_EQ(0, trend_per_game(two_minutes));

    const std::string chart = records_chart(RECORDS);
    EXPECT_EQ(0u, chart.find("<svg xmlns=\"http://www.w3.org/2000/svg\""));
    EXPECT_NE(std::string::npos, chart.find("40Lines, 40-Key, Bag, Left-aligned: time in seconds"));
    // Four games from left to right, the time growing upward: 50 s at the top, 45 s at the bottom.
    EXPECT_NE(std::string::npos, chart.find("points=\"70.0,40.0 253.3,310.0 436.7,229.0 620.0,202.0 \""));
    EXPECT_EQ(1u, chart.find("#0080ff") != std::string::npos);  // the practice game
    EXPECT_NE(std::string::npos, records_chart({}).find("No finished games are recorded yet."));
}
