#include "persist/results.h"

#include "persist/player_folder.h"
#include "persist/records_file.h"
#include "persist/replay_file.h"
#include "persist/screenshot_file.h"

void keep_result(const Game& game, std::time_t now, const std::string& screenshot) {
    append_record(record_of(game, now), player_file_to_write(RECORDS_FILE_NAME));
    write_replay(game, screenshot, player_file_to_write(screenshot_base_name(game, now)));
}
