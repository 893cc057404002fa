#include "persist/results.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "rules/session.h"
#include "support/temp_dir.h"

// One game leaves one record and one replay: those of its last finish, as a practice game can
// be finished, undone and finished again. The next game adds its own.
TEST(Results, OneGameLeavesTheRecordAndTheReplayOfItsLastFinish) {
    const TempDir dir;
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    Session session;
    session.settings.practice_mode = true;
    session.game.finished = true;
    session.game.start_ticks = 1000;
    KeptResult kept;
    for (const uint32_t end : {31000, 42000}) {
        session.game.end_ticks = end;
        keep_result(session, 1796652309, kept);
    }
    EXPECT_EQ(1u, read_records().records.size());
    EXPECT_EQ(41000u, read_records().records.at(0).time_ms);
    std::vector<std::string> files = dir.entries();
    std::sort(files.begin(), files.end());
    EXPECT_EQ((std::vector<std::string>{kept.stem() + ".replay", "TapFall-records.csv"}), files);
    session.game.start_ticks = 50000;
    keep_result(session, 1796652309, kept);
    EXPECT_EQ(2u, read_records().records.size());
    EXPECT_EQ(3u, dir.entries().size());
    std::filesystem::current_path(previous);
}
