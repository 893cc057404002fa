#include "stats/records_report.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace {

// A game of Bag, Left-aligned: date, mode, scheme, time, lines, practice, big.
Record game(const char* date, const char* mode, const char* scheme, uint32_t time_ms, int lines, bool practice = false,
            bool big = false) {
    return {date, mode, scheme, "Bag", "Left-aligned", big, practice, {}, time_ms, 0, lines, 0};
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
        two_minutes.push_back(game("", "2Minutes", "10-Key", 0, lines));
    EXPECT_DOUBLE_EQ(10, trend_per_game({two_minutes.begin() + 1, two_minutes.end()}));
    EXPECT_NE(std::string::npos, records_report(two_minutes).find("Trend: better by 10.00 lines a game\n"));
    EXPECT_EQ(0, trend_per_game({two_minutes[0]}));
    // One game is one game; less than a millisecond a game is no change.
    EXPECT_NE(std::string::npos, records_report({two_minutes[0]}).find(", 1 game. The last:\n"));
    const Record forty = game("2026-12-01 10:00:00", "40Lines", "40-Key", 40000, 40);
    EXPECT_NE(std::string::npos, records_report({forty, forty, forty}).find("Trend: steady\n"));

    const std::string chart = records_chart(RECORDS);
    EXPECT_EQ(0u, chart.find(std::string(CHART_START) + "<svg xmlns=\"http://www.w3.org/2000/svg\""));
    EXPECT_NE(std::string::npos, chart.find("40Lines, 40-Key, Bag, Left-aligned: time in seconds"));
    // Four games placed by their dates, the time growing upward: 50 s at the top, 45 s at the bottom;
    // the best of the games that count as a line; the practice game in the legend's colour.
    EXPECT_NE(std::string::npos, chart.find("points=\"70.0,50.0 261.0,310.0 436.7,232.0 620.0,206.0 \""));
    EXPECT_NE(std::string::npos, chart.find("y1=\"232.0\" x2=\"620.0\" y2=\"232.0\""));
    EXPECT_NE(std::string::npos, chart.find(">best 46.500 s</text>"));
    EXPECT_NE(std::string::npos, chart.find(">2026-12-04</text>"));
    EXPECT_NE(std::string::npos, chart.find("<circle cx=\"261.0\" cy=\"310.0\" r=\"3\" fill=\"#0080ff\""));
    EXPECT_NE(std::string::npos, chart.find("viewBox=\"0 0 640.0 360.0\""));
    EXPECT_NE(std::string::npos, records_chart({}).find("No finished games are recorded yet."));
    // Marks that differ, also where the results do not; a hundred thousand games, one point a pixel
    // at most.
    const std::string close = records_chart({two_minutes[0], two_minutes[0]});
    EXPECT_NE(std::string::npos, close.find(">90.5</text>"));
    std::vector<Record> many;
    for (int i = 0; i < 100000; ++i)
        many.push_back(game(("2026-12-01 " + std::to_string(10 + i / 3600) + ":" + std::to_string(10 + i / 60 % 60) +
                             ":" + std::to_string(10 + i % 60 % 50))
                                .c_str(),
                            "40Lines", "40-Key", 40000 + i % 1000, 40));
    const std::string crowded = records_chart(many);
    EXPECT_LT(crowded.size(), 100000u);
}
