#include "persist/results.h"

#include "persist/records_file.h"
#include "persist/replay_file.h"
#include "persist/screenshot_file.h"

void keep_result(const Game& game, std::time_t now, const std::string& screenshot) {
    append_record(record_of(game, now));
    write_replay(game, screenshot, screenshot_base_name(game, now));
}
